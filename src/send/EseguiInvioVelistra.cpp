#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <optional>

#include "album/FileAlbum.h"
#include "codecs/CMD5.h"
#include "common/DocumentoXML.h"
#include "common/Lavoro.h"
#include "common/Percorsi.h"
#include "common/Piattaforma.h"
#include "common/ScritturaAtomica.h"
#include "common/TestoOrdine.h"
#include "ordine/FoglioCliente.h"
#include "ordine/OrdineVelistra.h"
#include "send/AndamentoInvio.h"
#include "send/CodiciOperazione.h"
#include "send/InvioVelistra.h"
#include "send/MessaggiErrore.h"
#include "send/LetturaRisposta.h"
#include "send/ModuliRichiesta.h"
#include "send/RichiestaLaboratorio.h"
#include "send/VistaInvio.h"

namespace {

qint64 DimensioneFoto(const QList<VoceAlbum>& voci) {
  qint64 totale = 0;
  for (const VoceAlbum& voce : voci) totale += QFileInfo(voce.copia).size();
  return totale;
}

}  // namespace

bool InvioVelistra::VerificaAlbum(QByteArray& albumServer) {
  // The server's copy is the album sent from here: twice its size is room enough.
  const qint64 limite =
      std::max(RichiestaWeb::kLimiteRisposta, 2 * QFileInfo(percorsi_.PercorsoVelistraXML).size());
  albumServer = ChiediAlLaboratorio(server_, CorpoTransazione(f_K_HTTPS_LEGGI_VELISTRA()), limite).corpo;
  // The digest is of the bytes as they arrived: a re-encoded text would not match.
  const QString calcolato = CMD5().MD5Byte(albumServer);
  const auto risposta = Richiesta(CorpoTransazione(f_K_HTTPS_LEGGI_MD5()));
  QString registrato;
  LeggiRispostaTesto(*risposta, QStringLiteral("/xml/md5"), registrato);
  if (calcolato == registrato) return true;
  MsgBox(QStringLiteral("Il file del Velistra è stato modificato.\r\n"
                        "Impossibile proseguire con l'invio delle fotografie."),
         IconaMessaggio::Critica);
  return false;
}

bool InvioVelistra::FotoNellaCartellaDiLavoro(const QList<VoceAlbum>& voci) {
  const QString lavoro = QFileInfo(percorsi_.CartellaLavoro).canonicalFilePath();
  for (const VoceAlbum& voce : voci) {
    const QString& percorso = voce.copia;
    if (!FileEsiste(percorso)) continue;  // reported as a removed photo by the loop
    // The server's copy names the files to send: none may lie outside the work
    // folder, not even through a link, and every name must be a plain one.
    const QFileInfo reale(QFileInfo(percorso).canonicalFilePath());
    if (!lavoro.isEmpty() && reale.path() == lavoro &&
        NomeRemotoSicuro(TestoDopoUltimo(percorso, QStringLiteral("/"))))
      continue;
    MsgBox(QStringLiteral("Il Velistra ricevuto dal server indica un file che non si trova nella "
                          "cartella di lavoro del programma.\r\n"
                          "Impossibile proseguire con l'invio delle fotografie."),
           IconaMessaggio::Critica);
    return false;
  }
  return true;
}

bool InvioVelistra::InviaFileOrdine(const QString& percorsoLocale, const QString& nomeRemoto) {
  if (!RiuscitoFTP(OperazioneFTP::InvioFile, sessione_.InviaFileFTP(percorsoLocale, PercorsoRemoto(nomeRemoto)))) {
    AvvisaInvioFileNonRiuscito();
    return false;
  }
  QFile::remove(percorsoLocale);
  vista_.ImpostaAvanzamento(vista_.valoreAvanzamento() + 1, vista_.massimoAvanzamento());
  return true;
}

void InvioVelistra::EseguiInvioVelistra() {
  const PercorsiProgramma& v = percorsi_;
  bool ok = true;
  bool fotoRimossa = false;
  vista_.MostraStato(QStringLiteral("Invio Velistra in corso..."));
  const QString fileCondition = v.CartellaLavoro + QStringLiteral("Condition.txt");
  const QString fileEnd = v.CartellaLavoro + QStringLiteral("End.txt");
  RiuscitoFTP(OperazioneFTP::Accesso, sessione_.ApriSessioneFTP(ImpostazioniFTP()));

  std::optional<AndamentoInvio> andamento;
  const auto aggiornaAndamento = [&] {
    if (andamento->DaMostrare()) vista_.MostraAndamento(andamento->testo());
  };
  const auto fine = [&] {
    vista_.ImpostaAvanzamento(vista_.massimoAvanzamento(), vista_.massimoAvanzamento());
    vista_.MostraStato(QString());
    // A rate or a time left would be stale once the upload has stopped.
    if (andamento) vista_.MostraAndamento(andamento->testoFinale());
    sessione_.ChiudiSessioneFTP();
  };
  if (!sessione_.attiva()) return fine();

  ok = ContinuaOperazione;
  FTPInCorso(1);
  QByteArray albumServer;
  if (!VerificaAlbum(albumServer)) ok = false;
  if (!ok) return fine();
  ok = ContinuaOperazione;
  if (!CartellaTransazioneSicura()) return fine();

  const QList<VoceAlbum> voci = VociDaInviare(albumServer);
  const int n = static_cast<int>(voci.size());
  if (n == 0) return fine();
  if (!FotoNellaCartellaDiLavoro(voci)) return fine();

  vista_.ImpostaAvanzamento(0, n + 3);
  vista_.MostraStato(QStringLiteral("Invio Velistra in corso..."));
  RiuscitoFTP(OperazioneFTP::CambiaCartella, sessione_.CambiaCartellaFTP(server_.DatiFTPServer, TransazioneCartella));
  // One listing answers the resume test for every photo: the loop is the only
  // writer of the folder. A server that cannot list is asked photo by photo.
  sessione_.ElencaCartellaCorrente();
  // The first line comes half a second in, with the photos already on the server counted.
  andamento.emplace(DimensioneFoto(voci));

  for (int i = 0; i < n; ++i) {
    if (!ContinuaOperazione || !ok) {
      ok = false;
      break;
    }
    const QString& locale = voci[i].copia;
    if (!FileEsiste(locale)) {
      fotoRimossa = true;
      ok = false;
    } else if (sessione_.FileGiaTrasferito(locale)) {
      andamento->GiaSulServer(QFileInfo(locale).size());
    } else {
      const auto inviati = [&](qint64 byte) {
        andamento->FileInCorso(byte);
        aggiornaAndamento();
      };
      if (!RiuscitoFTP(OperazioneFTP::InvioFile,
                       sessione_.InviaFileFTP(locale, PercorsoRemoto(TestoDopoUltimo(locale, QStringLiteral("/"))),
                                              inviati))) {
        AvvisaInvioFileNonRiuscito();
        ok = false;
      }
      andamento->FileConcluso();
    }
    aggiornaAndamento();
    vista_.ImpostaAvanzamento(i, n + 3);
    if (!ok) break;
  }

  vista_.AbilitaAnnullaOperazione(false);

  if (ok) {
    XMLDOMPrezzi = Richiesta(creaDatiPostM(vista_.username(), vista_.password(), f_K_HTTPS_PREZZI()));
    const QString importo = SulThreadGrafico([&] {
      ordine_.SostituisciCatalogo(CreaDocumentoXML(v.PercorsoProgramma + QStringLiteral("Formati.xml")));
      ordine_.CalcolaImportoVelistra(*XMLDOMPrezzi);
      return ordine_.getImportoCorrenteEuro();
    });
    const QString testo =
        SulThreadGrafico([&] { return foglio_.getDatiUtente(); }) + QStringLiteral("\r\nUsername: ") +
        vista_.username() + QStringLiteral("\r\n\r\nPrezzo indicativo (da verificare): \r\n") + importo +
        QStringLiteral("\r\n\r\n") +
        (accesso_.UtenteConvenzionato ? QStringLiteral("Utente convenzionato")
                                      : QStringLiteral("Utente non convenzionato"));
    const QString immagine = v.CartellaLavoro + QStringLiteral("DatiUtente.jpg");
    SulThreadGrafico([&] { return foglio_.CreaFotografiaTesto(immagine, testo); });
    ok = InviaFileOrdine(immagine, QStringLiteral("DatiUtente.jpg"));
  }
  if (ok) {
    QString ordine;
    const bool conFoto =
        SulThreadGrafico([&] { return ordine_.StringaFileCondition(LeggiAlbum(albumServer), ordine); });
    // Without an order text no order file goes: the lab would take an empty order as complete.
    if (!conFoto) AvvisaVelistraSenzaFoto();
    ok = conFoto && ScriviTestoOrdine(fileCondition, ordine) &&
         InviaFileOrdine(fileCondition, QStringLiteral("Condition.txt"));
    if (ok) ok = ScriviFileAtomico(fileEnd, {}) && InviaFileOrdine(fileEnd, QStringLiteral("End.txt"));
    if (ok) {
      Richiesta(creaDatiPostTTM(vista_.username(), vista_.password(), TransazioneId, QStringLiteral("1"),
                                f_K_HTTPS_VELISTRA_TRAFERITO()));
      vista_.ImpostaAvanzamento(vista_.valoreAvanzamento() + 1, vista_.massimoAvanzamento());
    }
  }

  if (!ok) {
    if (fotoRimossa)
      MsgBox(QStringLiteral("Una fotografia è stata rimossa dal disco.\r\n"
                            "Il Velistra diventa inconsistente e non è quindi possibile proseguire l'invio.\r\n"
                            "Sarà necessario avvisare il fotografo per l'eventuale storno dell'importo pagato.\r\n"
                            "Si raccomanda di creare un nuovo Velistra."),
             IconaMessaggio::Informazione);
    else if (!ContinuaOperazione)
      MsgBox(QStringLiteral("Invio del Velistra interrotto dall'utente."), IconaMessaggio::Informazione);
    else
      MsgBox(QStringLiteral("Ci sono stati degli errori durante l'invio del Velistra.\r\n"
                            "E' possibile ritentare premendo il tasto di invio."),
             IconaMessaggio::Informazione);
  }
  if (ok) {
    FTPInCorso(0);
    ContinuaOperazione = true;
    InvioTerminato = true;
  }
  fine();
}
