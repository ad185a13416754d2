#include "send/CaricamentoFoto.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "album/FileAlbum.h"
#include "codecs/CMD5.h"
#include "common/DocumentoXML.h"
#include "common/Percorsi.h"
#include "common/ScritturaAtomica.h"
#include "common/TestoOrdine.h"
#include "send/AndamentoInvio.h"
#include "send/CodiciOperazione.h"
#include "send/LetturaRisposta.h"
#include "send/ModuliRichiesta.h"
#include "send/PassiTransazione.h"
#include "send/RichiestaLaboratorio.h"
#include "send/SessioneFTP.h"

namespace {

using Tipo = AvvisoInvio::Tipo;

QString NomeFile(const QString& percorso) { return TestoDopoUltimo(percorso, QStringLiteral("/")); }

QString PercorsoRemoto(const ContestoInvio& contesto, const Transazione& t, const QString& nome) {
  return contesto.server.DatiFTPServer + u'/' + t.cartella + u'/' + nome;
}

qint64 DimensioneFoto(const QList<VoceAlbum>& foto) {
  qint64 totale = 0;
  for (const VoceAlbum& voce : foto) totale += QFileInfo(voce.copia).size();
  return totale;
}

// The server's copy of the album, when its digest is the one the lab registered.
std::optional<QByteArray> AlbumVerificato(const ContestoInvio& contesto, const Transazione& t,
                                              AvvisiInvio& avvisi) {
  // The server's copy is the album sent from here: twice its size is room enough.
  const qint64 limite =
      std::max(RichiestaWeb::kLimiteRisposta, 2 * QFileInfo(contesto.percorsi.PercorsoVelistraXML).size());
  const QByteArray album =
      ChiediAlLaboratorio(contesto.server, CorpoTransazione(contesto, t.id, f_K_HTTPS_LEGGI_VELISTRA()), avvisi,
                          limite)
          .corpo;
  // The digest is of the bytes as they arrived: a re-encoded text would not match.
  const QString calcolato = CMD5().MD5Byte(album);
  QString registrato;
  LeggiRispostaTesto(
      *DocumentoDalLaboratorio(contesto.server, CorpoTransazione(contesto, t.id, f_K_HTTPS_LEGGI_MD5()), avvisi),
      QStringLiteral("/xml/md5"), registrato);
  if (calcolato != registrato) {
    avvisi.append({Tipo::AlbumModificato});
    return std::nullopt;
  }
  return album;
}

// The server's copy names the files to send: none may lie outside the work
// folder, not even through a link, and every name must be a plain one.
bool FotoNellaCartellaDiLavoro(const QString& cartellaLavoro, const QList<VoceAlbum>& foto) {
  const QString lavoro = QFileInfo(cartellaLavoro).canonicalFilePath();
  for (const VoceAlbum& voce : foto) {
    const QString& percorso = voce.copia;
    if (!FileEsiste(percorso)) continue;  // reported as a removed photo by the loop
    const QFileInfo reale(QFileInfo(percorso).canonicalFilePath());
    if (lavoro.isEmpty() || reale.path() != lavoro || !NomeRemotoSicuro(NomeFile(percorso))) return false;
  }
  return true;
}

// Ends the session on this thread: closing it may wait for the server.
void Chiudi(std::shared_ptr<SessioneFTP>& sessione) {
  if (sessione) sessione->ChiudiSessioneFTP();
  sessione.reset();
}

bool InviaFileOrdine(SessioneFTP& sessione, const QString& locale, const QString& remoto, AvvisiInvio& avvisi) {
  if (!RiuscitoFTP(OperazioneFTP::InvioFile, sessione.InviaFileFTP(locale, remoto), avvisi)) {
    avvisi.append({Tipo::FileNonInviato});
    return false;
  }
  QFile::remove(locale);
  return true;
}

}  // namespace

EsitoCaricamento InviaFoto(const ContestoInvio& contesto, const Transazione& t, const std::atomic<bool>& interrotto,
                    const std::function<void(const PassoInvio&)>& riferisci) {
  EsitoCaricamento esito;
  AvvisiInvio& avvisi = esito.avvisi;
  auto sessione = std::make_shared<SessioneFTP>();
  RiuscitoFTP(OperazioneFTP::Accesso, sessione->ApriSessioneFTP(ImpostazioniFTP(contesto)), avvisi);
  const auto fine = [&] {
    Chiudi(sessione);
    return esito;
  };
  if (!sessione->attiva()) return fine();

  riferisci({PassoInvio::Tipo::InCorso});
  const bool interrottoPrima = interrotto;
  auto album = AlbumVerificato(contesto, t, avvisi);
  if (!album || interrottoPrima) return fine();
  if (!CartellaTransazioneSicura(t.cartella)) {
    avvisi.append({Tipo::CartellaNonValida});
    return fine();
  }
  const QList<VoceAlbum> foto = VociDaInviare(*album);
  const int n = static_cast<int>(foto.size());
  if (n == 0) return fine();
  if (!FotoNellaCartellaDiLavoro(contesto.percorsi.CartellaLavoro, foto)) {
    avvisi.append({Tipo::FileFuoriCartella});
    return fine();
  }

  esito.massimo = n + 3;
  riferisci({PassoInvio::Tipo::Avanzamento, 0, esito.massimo});
  RiuscitoFTP(OperazioneFTP::CambiaCartella, sessione->CambiaCartellaFTP(contesto.server.DatiFTPServer, t.cartella),
              avvisi);
  // One listing answers the resume test for every photo: the loop is the only
  // writer of the folder. A server that cannot list is asked photo by photo.
  sessione->ElencaCartellaCorrente();
  // The first line comes half a second in, with the photos already on the server counted.
  AndamentoInvio andamento(DimensioneFoto(foto));
  const auto mostraAndamento = [&] {
    if (andamento.DaMostrare()) riferisci({PassoInvio::Tipo::Andamento, 0, 0, andamento.testo()});
  };
  const std::function<void(qint64)> inviati = [&](qint64 byte) {
    andamento.FileInCorso(byte);
    mostraAndamento();
  };
  bool ok = true;
  for (int i = 0; i < n && ok; ++i) {
    if (interrotto) {
      ok = false;
      break;
    }
    const QString& locale = foto[i].copia;
    if (!FileEsiste(locale)) {
      esito.fotoRimossa = true;
      ok = false;
    } else if (sessione->FileGiaTrasferito(locale)) {
      andamento.GiaSulServer(QFileInfo(locale).size());
    } else {
      if (!RiuscitoFTP(OperazioneFTP::InvioFile,
                       sessione->InviaFileFTP(locale, PercorsoRemoto(contesto, t, NomeFile(locale)), inviati),
                       avvisi)) {
        avvisi.append({Tipo::FileNonInviato});
        ok = false;
      }
      andamento.FileConcluso();
    }
    mostraAndamento();
    esito.avanzamento = i;
    riferisci({PassoInvio::Tipo::Avanzamento, i, esito.massimo});
  }
  riferisci({PassoInvio::Tipo::FotoConcluse});
  esito.rigaFinale = andamento.testoFinale();
  esito.fermatoNelleFoto = !ok;
  if (!ok) return fine();

  esito.prezzi = DocumentoDalLaboratorio(
      contesto.server,
      creaDatiPostM(contesto.credenziali.username, contesto.credenziali.password, f_K_HTTPS_PREZZI()), avvisi);
  esito.albumServer = LeggiAlbum(*album);
  esito.sessione = std::move(sessione);
  esito.riuscito = true;
  return esito;
}

EsitoConclusione ConcludiInvio(const ContestoInvio& contesto, const Transazione& t,
                               std::shared_ptr<SessioneFTP> sessione, const FileOrdine& file) {
  EsitoConclusione esito;
  AvvisiInvio& avvisi = esito.avvisi;
  const QString lavoro = contesto.percorsi.CartellaLavoro;
  const auto invia = [&](const QString& nome) {
    return InviaFileOrdine(*sessione, lavoro + nome, PercorsoRemoto(contesto, t, nome), avvisi);
  };
  bool ok = invia(NomeFile(file.immagine));
  if (ok) ++esito.avanzamento;
  if (ok) {
    // Without an order text no order file goes: the lab would take an empty order as complete.
    if (!file.condizioni) avvisi.append({Tipo::VelistraSenzaFoto});
    ok = file.condizioni && ScriviTestoOrdine(lavoro + QStringLiteral("Condition.txt"), *file.condizioni) &&
         invia(QStringLiteral("Condition.txt"));
    if (ok)
      ok = ScriviFileAtomico(lavoro + QStringLiteral("End.txt"), {}) && invia(QStringLiteral("End.txt"));
    if (ok) {
      ChiediAlLaboratorio(contesto.server,
                          creaDatiPostTTM(contesto.credenziali.username, contesto.credenziali.password, t.id,
                                          QStringLiteral("1"), f_K_HTTPS_VELISTRA_TRAFERITO()),
                          avvisi);
      ++esito.avanzamento;
    }
  }
  esito.riuscito = ok;
  Chiudi(sessione);
  return esito;
}
