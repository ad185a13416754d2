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
#include "ordine/StoricoOrdini.h"
#include "settings/PercorsiProgramma.h"

class FoglioCliente;

// Runs passo for k = 1 to n until it returns false; the caller owns the
// progress and the interruption question. False when the user stopped it.
using CicloPassi = std::function<bool(int n, const std::function<bool(int k)>& passo)>;

// Asked when a photo's content is already in the target format; true adds it
// all the same. May run on the order's worker.
using ConfermaDuplicato = std::function<bool()>;

// The customer's order: the album, the catalogue, the amount, the photo
// counter and the send mark. Its operations may run on a worker while
// the window waits in its event loop; what changes reaches the window as
// signals carrying values.
class OrdineVelistra : public QObject {
  Q_OBJECT

 public:
  explicit OrdineVelistra(const PercorsiProgramma& percorsi, QObject* genitore = nullptr);

  AlbumVelistra& album() { return album_; }
  const AlbumVelistra& album() const { return album_; }
  CatalogoFormati& catalogo() { return catalogo_; }
  const CatalogoFormati& catalogo() const { return catalogo_; }

  // One photo each; the caller's loop saves once after it (Salva).
  // A folder photo copied into the work folder as a new entry of the format.
  // With conferma a photo whose content the format already holds is added
  // only when it answers true, else it is Saltata and leaves nothing behind.
  RisultatoFoto CopiaNelFormato(const QString& formato, const QString& foto, const QString& titolo,
                                const ConfermaDuplicato& conferma = {});
  // An entry of origine copied as a new entry (and work copy) of destinazione.
  RisultatoFoto CopiaTraFormati(const QString& origine, const QString& destinazione, const QString& foto,
                                const QString& titolo, const ConfermaDuplicato& conferma = {});
  // An entry of origine moved to destinazione with one print; its copy stays.
  EsitoFoto SpostaTraFormati(const QString& origine, const QString& destinazione, const QString& foto);
  // The entry and its work copy removed; formato empty for any format.
  EsitoFoto Cancella(const QString& formato, const QString& foto);
  EsitoFoto ImpostaQuantita(const QString& formato, const QString& foto, std::int16_t numero);
  EsitoFoto ImpostaRidimensionamento(const QString& formato, const QString& foto, const QString& chiave);
  EsitoSalvataggio Salva(bool conContatore = false);

  // The entries of a format, of every one when empty.
  int NumeroVoci(const QString& formato) const;
  // A new, empty album with the amount at 0; then albumNuovo.
  void CreaNuovoVelistra();
  // Recomputes the amount with the catalogue's prices, or with a price list;
  // every change the order makes reprices the album by itself.
  std::int32_t CalcolaImportoVelistra();
  std::int32_t CalcolaImportoVelistra(const DocumentoXML& prezzi);
  std::int32_t ImportoCorrente() const { return importo_; }
  QString getImportoCorrenteEuro() const { return ImportoInEuro(importo_); }
  // The order text of an album; false, and nothing, when it has no photo.
  bool StringaFileCondition(const QList<FormatoAlbum>& album, QString& strFile) const;
  // Takes over the catalogue of a price-list download and reprices the album;
  // nothing without one.
  void SostituisciCatalogo(std::unique_ptr<DocumentoXML> catalogo);

  // The send mark: read from the settings, and kept there by every change;
  // false when the settings could not be written.
  int FTPInCorso() const { return marcaInvio_.InCorso() ? 1 : 0; }
  void LeggiFTPInCorso() { marcaInvio_.Leggi(); }
  bool ImpostaFTPInCorso(int valore) { return marcaInvio_.Imposta(valore != 0); }

  // Writes the order folder (an existing, empty folder ending in "/"): the
  // copies, the customer sheet, "Condition.txt" and, last, "End.txt". Nothing
  // is removed on failure: the caller tells the user first.
  RisultatoCartella ScriviCartellaOrdine(const QString& cartella, FoglioCliente& foglio, const CicloPassi& ciclo);

  // Records the album as it stands as an order done now; false when the
  // history could not be saved.
  bool RegistraNelloStorico(TipoOrdine tipo, const QString& destinazione);
  // Puts the photos of a recorded order into the album (the caller starts a
  // new one first) with their formats, prints and fit modes, from the
  // customer's files; those gone, and those of formats the catalogue no longer
  // offers, are left out and named. The caller saves.
  RisultatoRipeti RipetiOrdine(const OrdineStorico& ordine, const CicloPassi& ciclo);

 Q_SIGNALS:
  void importoCambiato(const QString& importoEuro);
  // The entries of formato are now voci, those of the whole album vociTotali.
  // Counted where the change happened: a window must not read the album
  // while a worker changes it.
  void vociCambiate(const QString& formato, int voci, int vociTotali);
  // Photo k of n is in the order folder.
  void fotoNellaCartella(int k, int n);
  // The album was replaced by an empty one (after a send, or on request).
  void albumNuovo();

 private:
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
  std::int32_t importo_ = 0;
};
