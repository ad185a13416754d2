#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

#include "album/VoceAlbum.h"
#include "send/AvvisoInvio.h"
#include "send/DatiInvio.h"

class DocumentoXML;
class SessioneFTP;

// The upload of an album's photos and then of its order files, as two tasks
// of the send. One FTP session runs through both: the first opens it and
// hands it on in its result, the second closes it; one task at a time uses it.

// What the photos' upload tells the GUI thread as it goes; it never waits for it.
struct PassoInvio {
  enum class Tipo {
    InCorso,       // the send is under way: the order keeps the mark in the settings
    Avanzamento,   // the progress bar: valore of massimo
    Andamento,     // the line under the bar
    FotoConcluse,  // no more photos: the interruption no longer applies
  };
  Tipo tipo;
  int valore = 0;
  int massimo = 0;
  QString testo = {};
};

struct EsitoCaricamento {
  // Every photo is on the server and the session is open for the order files.
  bool riuscito = false;
  // The loop over the photos ran and stopped: the send ends with its reason.
  bool fermatoNelleFoto = false;
  bool fotoRimossa = false;
  std::shared_ptr<SessioneFTP> sessione;
  QList<FormatoAlbum> albumServer;               // the album the photos came from
  std::shared_ptr<const DocumentoXML> prezzi;       // the lab's prices, read after the photos
  int avanzamento = 0;
  int massimo = 0;
  std::optional<QString> rigaFinale;  // the line's bytes once the upload has stopped
  AvvisiInvio avvisi;
};

// Checks the server's album against its digest and that every photo it names
// lies in the work folder, then uploads those not already on the server,
// stopping between two photos once interrotto is set.
EsitoCaricamento InviaFoto(const ContestoInvio& contesto, const Transazione& transazione,
                    const std::atomic<bool>& interrotto, const std::function<void(const PassoInvio&)>& riferisci);

// The order files built on the GUI thread from the model and the sheet.
struct FileOrdine {
  QString immagine;  // the customer's picture, already written
  std::optional<QString> condizioni;  // the order text; none when the album holds no order
};

struct EsitoConclusione {
  bool riuscito = false;
  int avanzamento = 0;  // steps to add to the bar
  AvvisiInvio avvisi;
};

// Uploads the customer's picture, the order text and "End.txt" last, tells the
// lab the album has arrived; closes the session.
EsitoConclusione ConcludiInvio(const ContestoInvio& contesto, const Transazione& transazione,
                               std::shared_ptr<SessioneFTP> sessione, const FileOrdine& file);
