#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

#include "BancoLaboratorio.h"
#include "FinestraProva.h"
#include "common/DocumentoXML.h"
#include "send/frmFTP.h"
#include "support/Attesa.h"

namespace {

// Logs in as the affiliated user and presses the send button.
void InviaDallaFinestra(QDialog& dialogo, const BancoLaboratorio::Utente& utente) {
  auto& invio = dynamic_cast<frmFTP&>(dialogo);
  invio.findChild<QLineEdit*>(QStringLiteral("txtUsername"))->setText(utente.nome);
  invio.findChild<QLineEdit*>(QStringLiteral("txtPassword"))->setText(utente.password);
  // Each command runs on a worker: the window must outlive it.
  for (const char* comando : {"cmdAccedi", "cmdInviaVelistra"}) {
    invio.findChild<QPushButton*>(QString::fromLatin1(comando))->click();
    ASSERT_TRUE(AttendiFinche([&invio] { return !invio.operazioneInCorso(); }, 60000)) << comando;
  }
}

TEST(InvioRipreso, ASendBrokenOffIsTakenUpByTheNextStartAndCompletes) {
  AmbienteFinestra ambiente;
  ambiente.ClienteAbituale();
  BancoLaboratorio banco;
  ASSERT_TRUE(banco.avviato());
  ambiente.server = banco.datiServer();
  const auto utente = banco.utente(QStringLiteral("convenzionato"));

  // An album of three photos, as earlier sessions left it.
  QDir().mkpath(ambiente.percorsi().CartellaLavoro);
  QString voci;
  QStringList foto;
  for (int i = 1; i <= 3; ++i) {
    const QString nome = QStringLiteral("imgVE_%1.jpg").arg(i, 6, 10, QChar(u'0'));
    ambiente.programma.Scrivi(QStringLiteral("Velistra/") + nome, QByteArray(300000 + i, char('a' + i)));
    foto.append(nome);
    voci += QStringLiteral("<file><nomecompleto>%1%2</nomecompleto><titolo>Città %3.jpg</titolo>"
                           "<quantita>1</quantita><formato>15x10</formato>"
                           "<ridimensionamento>FILLIN</ridimensionamento></file>")
                .arg(ambiente.percorsi().CartellaLavoro, nome)
                .arg(i);
  }
  ambiente.programma.Scrivi(QStringLiteral("Velistra.xml"),
                            (QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xml><formato "
                                            "id=\"15x10\"><files>") + voci +
                             QStringLiteral("</files></formato></xml>\n")).toUtf8());
  ambiente.ImpostaOpzione(QStringLiteral("ContatoreFoto"), QStringLiteral("3"));

  {
    // The connection breaks in the second photo; then the program is gone.
    auto prima = ambiente.NuovaFinestra();
    prima->Attiva();
    ASSERT_TRUE(banco.TaglioFTP(100000, foto[1]));
    prima->allaFinestraModale = [&utente](QDialog& d) { InviaDallaFinestra(d, utente); };
    prima->findChild<QAction*>(QStringLiteral("FTP"))->trigger();
    prima->Attendi();  // the photos' headers are read first, on a worker
    ASSERT_EQ(prima->finestreModali, QStringList{QStringLiteral("frmFTP")});
  }
  ASSERT_EQ(ambiente.Opzione(QStringLiteral("FTPInCorso")), QStringLiteral("1"));
  ASSERT_EQ(banco.Transazioni().size(), 1);
  ASSERT_FALSE(banco.Transazioni().first().trasferito);

  // The next start reopens the send window at its first activation.
  ambiente.piattaforma.Azzera();
  auto dopo = ambiente.NuovaFinestra();
  dopo->allaFinestraModale = [&utente](QDialog& d) { InviaDallaFinestra(d, utente); };
  dopo->Attiva();
  EXPECT_EQ(dopo->finestreModali, QStringList{QStringLiteral("frmFTP")});
  EXPECT_TRUE(ambiente.piattaforma.testi().contains(
      QStringLiteral("Invio del Velistra terminato con successo.\r\nVerrà ora creato un nuovo Velistra.")));
  const auto t = banco.Transazioni().first();
  EXPECT_TRUE(t.trasferito);
  for (const QString& nome : foto) {
    QFile remoto(banco.cartellaFTP() + u'/' + t.utente + u'/' + t.cartella + u'/' + nome);
    ASSERT_TRUE(remoto.open(QIODevice::ReadOnly)) << nome.toStdString();
    EXPECT_EQ(remoto.size(), 300000 + foto.indexOf(nome) + 1);
  }
  EXPECT_EQ(banco.Caricamenti(t.utente + u'/' + t.cartella + u'/' + foto[0]), 1);
  EXPECT_EQ(ambiente.Opzione(QStringLiteral("FTPInCorso")), QStringLiteral("0"));
  // A new, empty album.
  auto album = CreaDocumentoXML(ambiente.percorsi().PercorsoVelistraXML);
  EXPECT_TRUE(album->selezionaNodi(QStringLiteral("//file")).isEmpty());
}

}  // namespace
