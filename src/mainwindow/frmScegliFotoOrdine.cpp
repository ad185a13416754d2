// The order folder for the lab and the order text the send also uploads.
#include <QDateTime>
#include <memory>

#include "common/Percorsi.h"
#include "windows/Piattaforma.h"
#include "mainwindow/CicloOperazione.h"
#include "mainwindow/frmScegliFoto.h"
#include "windows/AvvisoSalvataggio.h"
#include "send/MessaggiErrore.h"
#include "ordine/CartellaOrdine.h"

namespace {

const QString kOperazioneAnnullata = QStringLiteral("Operazione annullata.");

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
  ConfermaQualitaStampa([this] { ScriviCartellaOrdine(); });
}

void frmScegliFoto::ScriviCartellaOrdine() {
  const QString cartella = ApriCartellaOrdine(this);
  if (cartella.isEmpty()) return;
  if (ordine_.NumeroVoci({}) == 0) {
    AvvisaVelistraSenzaFoto(this);
    return;
  }
  auto risultato = std::make_shared<RisultatoCartella>();
  OperazioneSulLavoro(
      [this, cartella, risultato] {
        CicloOperazione ciclo(pbAvanzamento_, ContinuaOperazione_, this);
        ciclo.ImpostaDomanda(IconaMessaggio::Domanda, RispostaMessaggio::No);
        const QString domanda =
            QStringLiteral("Interrompere la creazione della cartella \r\n'") + cartella + QStringLiteral("'?");
        *risultato = ordine_.ScriviCartellaOrdine(cartella, *this, [&](int n, const std::function<bool(int)>& passo) {
          return ciclo.Esegui(n, domanda, passo);
        });
      },
      [this, cartella, risultato] {
        switch (risultato->esito) {
          case EsitoCartella::Creata:
            if (risultato->storicoNonSalvato) AvvisaStoricoNonSalvato(percorsi_.PercorsoStorico, this);
            return AvvisaCreazioneRiuscita(cartella, this);
          case EsitoCartella::AlbumVuoto: AvvisaVelistraSenzaFoto(this); break;
          case EsitoCartella::FotoRimossa: AvvisaFotoRimossa(this); break;
          case EsitoCartella::ScritturaNonRiuscita:
            AvvisaScritturaNonRiuscita(risultato->nome, risultato->dove, this);
            break;
          case EsitoCartella::Interrotta: break;
        }
        AnnullaCartellaOrdine(cartella, this);
      });
}
