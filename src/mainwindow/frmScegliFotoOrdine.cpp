// The order folder for the lab and the order text the send also uploads.
#include <QDateTime>
#include <QDir>
#include <QList>
#include <QStringList>

#include "common/DocumentoXML.h"
#include "common/Percorsi.h"
#include "common/Piattaforma.h"
#include "common/TestoOrdine.h"
#include "mainwindow/CartellaOrdine.h"
#include "mainwindow/CicloOperazione.h"
#include "mainwindow/CopiaFile.h"
#include "mainwindow/TestoCondition.h"
#include "mainwindow/frmScegliFoto.h"
#include "thumbview/ctrFotoView.h"

namespace {

const QString kOperazioneAnnullata = QStringLiteral("Operazione annullata.");
const QString kNessunaFotografia = QStringLiteral("Nessuna fotografia inserita nel Velistra.");

void Informa(const QString& testo, QWidget* finestra) {
  MsgBox(testo, IconaMessaggio::Informazione, PulsantiMessaggio::OK, finestra);
}

bool ConfermaEliminazione(const QString& scelta, QWidget* finestra) {
  return MsgBox(QStringLiteral("La directory '") + scelta +
                    QStringLiteral("' contiene già la directory 'Velistra'.\r\n"
                                   "Per continuare con l'operazione è necessario eliminarla.\r\n"
                                   "Procedere con l'eliminazione della directory?"),
                IconaMessaggio::Domanda, PulsantiMessaggio::SiNo, finestra) == RispostaMessaggio::Si;
}

void AvvisaCartellaNonCreata(const QString& cartella, QWidget* finestra) {
  MsgBox(QStringLiteral("Impossibile creare la cartella\r\n'") + cartella +
             QStringLiteral("'.\r\nVerificare che la directory scelta esista e che sia possibile scriverci."),
         IconaMessaggio::Critica, PulsantiMessaggio::OK, finestra);
}

void AvvisaScritturaNonRiuscita(const QString& nome, const QString& cartella, QWidget* finestra) {
  MsgBox(QStringLiteral("Impossibile scrivere \"") + nome + QStringLiteral("\" nella cartella\r\n'") + cartella +
             QStringLiteral("'.\r\nVerificare che il disco non sia pieno o protetto da scrittura."),
         IconaMessaggio::Critica, PulsantiMessaggio::OK, finestra);
}

void AvvisaFotoRimossa(QWidget* finestra) {
  Informa(QStringLiteral("Una fotografia è stata rimossa dal disco.\r\n"
                         "Il Velistra diventa inconsistente e non è quindi possibile proseguire la creazione.\r\n"
                         "Si raccomanda di creare un nuovo Velistra."),
          finestra);
}

void AvvisaCreazioneRiuscita(const QString& cartella, QWidget* finestra) {
  Informa(QStringLiteral("Creazione della cartella:\r\n'") + cartella +
              QStringLiteral("' \r\n"
                             "terminata con successo.\r\n"
                             "(il nome della cartella contiene la data e l'ora di creazione indicate nel seguente "
                             "formato:\r\n"
                             "anno-mese-giorno-ore-minuti)"),
          finestra);
}

// The folder's entries and its own entry flushed to the medium; a failure is
// told as the folder not written into the directory that holds it.
bool CartellaSulDisco(const QString& cartella, QWidget* finestra) {
  if (SincronizzaCartellaOrdine(cartella)) return true;
  AvvisaScritturaNonRiuscita(QDir(cartella).dirName(), AggiungiBarra(CartellaSuperiore(cartella)), finestra);
  return false;
}

// Removes what was written and tells the user.
void AnnullaCartellaOrdine(const QString& cartella, QWidget* finestra) {
  EliminaCartellaOrdine(cartella);
  Informa(kOperazioneAnnullata, finestra);
}

// The steps up to an empty order folder: its path, or empty when the
// operation stopped (with its message).
QString ApriCartellaOrdine(QWidget* finestra) {
  const QString scelta = piattaforma().SfogliaCartella(
      finestra,
      QStringLiteral("Selezionare la directory dove inserire le fotografie ed i relativi formati e quantità:"), true);
  if (scelta.isEmpty()) {
    MsgBox(QStringLiteral("Nessuna cartella indicata."), IconaMessaggio::Esclamazione, PulsantiMessaggio::OK,
           finestra);
    return {};
  }
  const QString base = AggiungiBarra(scelta);
  const QString nome = base + NomeCartellaOrdine(QDateTime::currentDateTime());
  if (IsCartella(nome) && !ConfermaEliminazione(base, finestra)) {
    Informa(kOperazioneAnnullata, finestra);
    return {};
  }
  const QString cartella = AggiungiBarra(nome);
  if (PreparaCartellaOrdine(cartella)) return cartella;
  AvvisaCartellaNonCreata(cartella, finestra);
  AnnullaCartellaOrdine(cartella, finestra);
  return {};
}

}  // namespace

void frmScegliFoto::CreaCartellaOrdine() {
  const QString cartella = ApriCartellaOrdine(this);
  if (cartella.isEmpty()) return;
  const QList<NodoXML> voci = album_.Documento().selezionaNodi(QStringLiteral("/xml/formato/files/*"));
  if (voci.isEmpty()) {
    Informa(kNessunaFotografia, this);
    return;
  }
  // A write that failed is told; the operation then ends without its folder.
  auto scritto = [&](bool riuscito, const QString& nome) {
    if (!riuscito) AvvisaScritturaNonRiuscita(nome, cartella, this);
    return riuscito;
  };

  const int n = static_cast<int>(voci.size());
  bool copiate = true;
  QStringList nomi;
  CicloOperazione ciclo(pbAvanzamento_, ContinuaOperazione_, this);
  ciclo.ImpostaDomanda(IconaMessaggio::Domanda, RispostaMessaggio::No);
  // The bar's first half copies and checks each photo, starting its write to
  // the medium at once; the second half waits until each copy is there. One
  // flush after all the copies costs far less than one after each.
  const bool completo = ciclo.Esegui(
      2 * n, QStringLiteral("Interrompere la creazione della cartella \r\n'") + cartella + QStringLiteral("'?"),
      [&](int k) {
        if (k > n) {
          const QString& nome = nomi[k - n - 1];
          return copiate = scritto(SincronizzaFile(cartella + nome), nome);
        }
        const QString foto = voci[k - 1].selezionaNodo(QStringLiteral("nomecompleto")).testo();
        if (!FileEsiste(foto)) {
          AvvisaFotoRimossa(this);
          return copiate = false;
        }
        nomi.append(NomeFileOrdine(foto));
        if (!scritto(CopiaFileVerificata(foto, cartella + nomi.last()), nomi.last())) return copiate = false;
        MostraConteggio(k, n);
        return true;
      });
  if (!completo || !copiate) {
    AnnullaCartellaOrdine(cartella, this);
    return;
  }

  const QString datiUtente = QStringLiteral("DatiUtente.jpg");
  const QString condition = QStringLiteral("Condition.txt");
  QString ordine;
  // The customer takes the medium away at the success message: "End.txt"
  // comes last, and only once everything before it is on the medium.
  const bool riuscito =
      scritto(fvFotoFormato_->CreaFotografiaTesto(
                  cartella + datiUtente, TestoFotografiaDatiUtente(getDatiUtente(), getImportoCorrenteEuro())),
              datiUtente) &&
      StringaFileCondition(album_.Documento(), ordine) &&
      scritto(ScriviTestoOrdine(cartella + condition, ordine), condition) &&
      CartellaSulDisco(cartella, this) && scritto(ScriviFineOrdine(cartella), QStringLiteral("End.txt"));
  if (riuscito)
    AvvisaCreazioneRiuscita(cartella, this);
  else
    AnnullaCartellaOrdine(cartella, this);
}

bool frmScegliFoto::StringaFileCondition(const DocumentoXML& album, QString& strFile) {
  strFile = TestoCondition(album, NomeDispositivoStampa());
  if (!strFile.isEmpty()) return true;
  Informa(kNessunaFotografia, this);
  return false;
}
