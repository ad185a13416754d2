#pragma once
#include <QList>
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "album/AlbumVelistra.h"
#include "album/CatalogoFormati.h"
#include "ordine/EsitiOrdine.h"
#include "ordine/ImpronteCopie.h"
#include "ordine/MarcaInvio.h"
#include "ordine/OriginiFoto.h"
#include "ordine/SalvataggioAlbum.h"
#include "ordine/StoricoOrdini.h"
#include "settings/PercorsiProgramma.h"

#include "ordine/OperazioneCartella.h"
#include "ordine/OperazioneCopia.h"

class FoglioCliente;

// The customer's order: the album, the catalogue, the amount, the photo
// counter and the send mark. It lives on the GUI thread and is called there
// only (checked in test and debug builds): its long operations hand their file
// work to tasks and apply the results here. Each operation saves and reprices
// itself and returns one result; what changes also reaches the windows as
// signals carrying values.
class OrdineVelistra : public QObject {
  Q_OBJECT

 public:
  explicit OrdineVelistra(const PercorsiProgramma& percorsi, QObject* genitore = nullptr);

  AlbumVelistra& album();
  const AlbumVelistra& album() const;
  CatalogoFormati& catalogo();
  const CatalogoFormati& catalogo() const;

  // Folder photos (foto and titolo of each) copied as new entries of formato.
  // A photo whose content the format already holds asks before it is added.
  std::unique_ptr<OperazioneCopia> CopiaNelFormato(const QString& formato, QList<FotoDaCopiare> foto);
  // Entries of origine (their copies) copied as new entries of destinazione;
  // into the same format no photo counts as a duplicate.
  std::unique_ptr<OperazioneCopia> CopiaTraFormati(const QString& origine, const QString& destinazione,
                                                   QList<FotoDaCopiare> foto);
  // Puts the photos of a recorded order into the album (the caller starts a
  // new one first) with their formats, prints and fit modes, from the
  // customer's files; those gone, and those of formats the catalogue no longer
  // offers, are left out and named.
  std::unique_ptr<OperazioneCopia> RipetiOrdine(const OrdineStorico& ordine);
  // Writes the order folder; see OperazioneCartella.
  std::unique_ptr<OperazioneCartella> ScriviCartellaOrdine(const QString& cartella, FoglioCliente& foglio);

  // Each on a list of entries (copy paths), stopping at the first one the
  // format (any format when empty) lacks; each reprices and starts a save.
  // Entries of origine moved to destinazione with one print; their copies stay.
  RisultatoOperazione Sposta(const QString& origine, const QString& destinazione, const QStringList& foto);
  // The entries and their work copies removed.
  RisultatoOperazione Cancella(const QString& formato, const QStringList& foto);
  RisultatoOperazione ImpostaQuantita(const QString& formato, const QStringList& foto, std::int16_t numero);
  RisultatoOperazione ImpostaRidimensionamento(const QString& formato, const QStringList& foto,
                                               const QString& chiave);
  // Saves the album and the photos' origins, with conContatore the counter
  // too, in a task, after flushing the new work-folder copies; salvato tells
  // the outcome.
  void Salva(bool conContatore = false, const QStringList& copieNuove = {});
  // A save is running or waiting: the files on disk are not yet the album's.
  bool SalvataggioInCorso() const;
  // Saves at once, on this thread: for the close, with no save running.
  EsitoSalvataggio SalvaOra();

  // The entries of a format, of every one when empty.
  int NumeroVoci(const QString& formato) const;
  // A new, empty album with the amount at 0; then albumNuovo.
  void CreaNuovoVelistra();
  // Recomputes the amount with the catalogue's prices, or with a price list;
  // every change the order makes reprices the album by itself.
  std::int32_t CalcolaImportoVelistra();
  std::int32_t CalcolaImportoVelistra(const DocumentoXML& prezzi);
  std::int32_t ImportoCorrente() const;
  QString getImportoCorrenteEuro() const;
  // The order text of an album; false, and nothing, when it has no photo.
  bool StringaFileCondition(const QList<FormatoAlbum>& album, QString& strFile) const;
  // Takes over the catalogue of a price-list download and reprices the album;
  // nothing without one.
  void SostituisciCatalogo(std::unique_ptr<DocumentoXML> catalogo);

  // The send mark: read from the settings, and kept there by every change;
  // false when the settings could not be written.
  int FTPInCorso() const;
  void LeggiFTPInCorso();
  bool ImpostaFTPInCorso(int valore);

  // Records the album as it stands as an order done now; false when the
  // history could not be saved.
  bool RegistraNelloStorico(TipoOrdine tipo, const QString& destinazione);

 Q_SIGNALS:
  void importoCambiato(const QString& importoEuro);
  // The entries of formato are now voci, those of the whole album vociTotali.
  // Counted where the change happened: a window must not read the album
  // while a worker changes it.
  void vociCambiate(const QString& formato, int voci, int vociTotali);
  // The album was replaced by an empty one (after a send, or on request).
  void albumNuovo();
  // A save has written the files, or failed.
  void salvato(EsitoSalvataggio esito);
  // No save is running or waiting any more.
  void salvataggiFiniti();

 private:
  // The steps of the operations.
  friend class OperazioneCopia;
  friend class OperazioneCartella;
  bool HaVoce(const QString& formato, const QString& foto) const;
  // What is known of the contents of the album's copies, for a task.
  const QHash<QString, ImprontaFile>& ImpronteNote() const { return impronte_.Note(); }
  void RegistraImpronte(const QHash<QString, ImprontaFile>& lette);
  // The entry of a copy made; a digested copy's content is remembered.
  void AggiungiCopia(const FotoDaCopiare& foto, const QString& copia, const ImprontaFile& impronta);
  // The copies of every entry, in the album's order.
  QStringList CopieDelleVoci() const;
  // Runs azione on each entry until one is not found; starts a save after.
  RisultatoOperazione PerOgniVoce(const QString& formato, const QStringList& foto,
                                  const std::function<EsitoFoto(const VoceTrovata& voce)>& azione);

  IstantaneaAlbum Istantanea(bool conContatore) const;
  void SegnalaImporto();
  // Recomputes the amount with the catalogue's prices and tells it.
  void Riprezza();
  void SegnalaVoci(const QString& formato);
  // Whether the album can take entries of formato. A format of the catalogue
  // that the album lacks (a price list downloaded after the album was loaded)
  // gets its place at the end, where the next start would put it.
  bool PostoPerIlFormato(const QString& formato);

  PercorsiProgramma percorsi_;
  AlbumVelistra album_;
  CatalogoFormati catalogo_;
  OriginiFoto origini_;
  ImpronteCopie impronte_;
  MarcaInvio marcaInvio_;
  SalvataggioAlbum salvataggio_;
  std::int32_t importo_ = 0;
};
