#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "ProvaInvio.h"
#include "send/PassiTransazione.h"
#include "send/AccessoLaboratorio.h"
#include "support/SenzaPermessiRoot.h"

namespace {

// Replies a hostile or broken server could send, each built by the stand-in.
struct RispostaOstile {
  const char* nome;
  QString testo;
  int ripeti;
  bool rifiutata = true;  // or read without what it points to
};

QList<RispostaOstile> RisposteOstili(const QString& segreto) {
  return {
      {"ten megabytes", QStringLiteral("<xml><utente><esiste>1</esiste><passwd_ftp>[[0123456789]]</passwd_ftp>"
                                       "</utente><formato id=\"15x10\" amatoriale=\"1\">25</formato></xml>"),
       1000000},
      {"nested 100000 deep", QStringLiteral("<xml><utente><esiste>1</esiste></utente><formato id=\"15x10\">"
                                            "[[<a>]]1[[</a>]]</formato></xml>"),
       100000},
      {"billion laughs",
       QStringLiteral("<?xml version=\"1.0\"?><!DOCTYPE xml [<!ENTITY a \"hahahahahahahahahaha\">"
                      "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
                      "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\"><!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\">"
                      "<!ENTITY f \"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;\"><!ENTITY g \"&f;&f;&f;&f;&f;&f;&f;&f;&f;&f;\">"
                      "<!ENTITY h \"&g;&g;&g;&g;&g;&g;&g;&g;&g;&g;\"><!ENTITY i \"&h;&h;&h;&h;&h;&h;&h;&h;&h;&h;\">]>"
                      "<xml><utente><esiste>1</esiste><passwd_ftp>&i;</passwd_ftp></utente>"
                      "<formato id=\"&i;\" amatoriale=\"1\">25</formato></xml>"),
       1},
      {"external entity",
       QStringLiteral("<?xml version=\"1.0\"?><!DOCTYPE xml [<!ENTITY s SYSTEM \"file://%1\">]>"
                      "<xml><utente><esiste>1</esiste><passwd_ftp>&s;</passwd_ftp></utente>"
                      "<formato id=\"&s;\" amatoriale=\"1\">25</formato></xml>")
           .arg(segreto),
       1},
      // The document type file would declare the entity; it is never opened.
      {"external document type",
       QStringLiteral("<?xml version=\"1.0\"?><!DOCTYPE xml SYSTEM \"file://%1.dtd\">"
                      "<xml><utente><esiste>1</esiste><passwd_ftp>&s;</passwd_ftp></utente>"
                      "<formato id=\"15x10\" amatoriale=\"1\" descrizione=\"x\">25<d>&s;</d></formato></xml>")
           .arg(segreto),
       1, false},
  };
}

class ServerOstile : public ProvaInvio {
 protected:
  void SetUp() override {
    ProvaInvio::SetUp();
    ASSERT_TRUE(ScriviFile(Segreto(), "parola-segreta"));
    ASSERT_TRUE(ScriviFile(Segreto() + QStringLiteral(".dtd"), "<!ENTITY s \"parola-segreta\">"));
    credenziali.username = QStringLiteral("cliente");
    credenziali.password = banco.utente(credenziali.username).password;
  }
  QString Segreto() const { return segreto.filePath(QStringLiteral("segreto.txt")); }
  bool Rispondi(const QString& operazione, const RispostaOstile& r) {
    return banco.GuastoWeb(QStringLiteral("risposta"), operazione, 1, 0, r.testo, r.ripeti);
  }

  QTemporaryDir segreto;
};

TEST_F(ServerOstile, HostileLoginRepliesAreRefusedAndNoLocalFileIsRead) {
  for (const RispostaOstile& r : RisposteOstili(Segreto())) {
    ASSERT_TRUE(Rispondi(QStringLiteral("f_K_HTTPS_LOGIN"), r)) << r.nome;
    AvvisiInvio avvisi;
    const DatiAccesso dati = AccediAlLaboratorio(server, credenziali.username, credenziali.password, avvisi);
    EXPECT_EQ(dati.UtenteEsiste, !r.rifiutata) << r.nome;
    EXPECT_FALSE(dati.PasswordFTP.contains(QStringLiteral("segreta"))) << r.nome;
    EXPECT_FALSE(dati.PasswordFTP.contains(QStringLiteral("haha"))) << r.nome;
    const AvvisiInvio attesi =
        r.ripeti == 1000000 ? AvvisiInvio{{AvvisoInvio::Tipo::RispostaTroppoGrande}} : AvvisiInvio{};
    EXPECT_EQ(avvisi, attesi) << r.nome;
  }
  // The next honest reply is read as usual.
  AvvisiInvio avvisi;
  EXPECT_TRUE(AccediAlLaboratorio(server, credenziali.username, credenziali.password, avvisi).UtenteEsiste);
}

TEST_F(ServerOstile, AHostilePriceListNeverReplacesTheCatalogue) {
  const QByteArray catalogo = programma.Leggi(QStringLiteral("Formati.xml"));
  for (const RispostaOstile& r : RisposteOstili(Segreto())) {
    ASSERT_TRUE(Rispondi(QStringLiteral("f_K_HTTPS_PREZZI"), r)) << r.nome;
    const bool aggiornato = AggiornaPrezziario();
    EXPECT_EQ(aggiornato, !r.rifiutata) << r.nome;
    if (aggiornato) {
      EXPECT_FALSE(programma.Leggi(QStringLiteral("Formati.xml")).contains("segreta")) << r.nome;
      continue;
    }
    EXPECT_TRUE(vista.avvisi.contains(AvvisoInvio{AvvisoInvio::Tipo::ListinoNonValido})) << r.nome;
    EXPECT_EQ(programma.Leggi(QStringLiteral("Formati.xml")), catalogo) << r.nome;
  }
}

TEST_F(ServerOstile, APriceListThatCannotBeStoredIsToldAndTheOldOneStays) {
  const QByteArray catalogo = programma.Leggi(QStringLiteral("Formati.xml"));
  EsitoPrezziario esito;
  {
    // The step itself, on this thread: the folder refuses this thread's writes.
    const CartellaSoloLettura soloLettura(programma.percorso());
    esito = ::AggiornaPrezziario(ContestoInvio{server, percorsi, credenziali, {}});
  }
  EXPECT_FALSE(esito.aggiornato);
  EXPECT_FALSE(esito.prezzi);
  EXPECT_EQ(esito.avvisi,
            (AvvisiInvio{{AvvisoInvio::Tipo::PrezziarioNonSalvato, programma.file(QStringLiteral("Formati.xml"))}}));
  EXPECT_EQ(programma.Leggi(QStringLiteral("Formati.xml")), catalogo);
}

}  // namespace
