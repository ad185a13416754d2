#pragma once
#include <QString>
#include <QStringList>

// What an operation of the order did with one photo; the window tells the user.
enum class EsitoFoto {
  Fatto,
  // The photo has no entry in the format searched.
  NonTrovata,
  // The photo could not be copied into the work folder (gone, a full disk).
  CopiaNonRiuscita,
  // The photo counter is at its limit: no copy can be named until a new album.
  ContatoreEsaurito,
  // Neither the album nor the catalogue has the target format (a format list
  // not refilled after a price list).
  FormatoAssente,
  // The format already held the photo and the user chose not to add it again.
  Saltata,
};

enum class EsitoSalvataggio { Salvato, AlbumNonSalvato, ContatoreNonSalvato };

enum class EsitoCartella {
  Creata,
  AlbumVuoto,
  // A work-folder copy is gone from the disk.
  FotoRimossa,
  // A file could not be written or flushed: nome in cartella.
  ScritturaNonRiuscita,
  // The user chose to stop.
  Interrotta,
};

struct RisultatoCartella {
  EsitoCartella esito = EsitoCartella::Creata;
  // The file that was not written and the folder it belongs in.
  QString nome;
  QString dove;
  // The folder is whole but the history could not record it.
  bool storicoNonSalvato = false;
};

// What a whole operation of the order did, told once at its end.
struct RisultatoOperazione {
  // Fatto, or what stopped the operation at foto (in formato).
  EsitoFoto esito = EsitoFoto::Fatto;
  QString foto;
  QString formato;
  // The photos copied, moved, removed or changed.
  int fatte = 0;
  // The photos not added again because their format already held them.
  QStringList saltate;
  // A repeat's customer files that are gone, and the formats the catalogue no
  // longer offers (each once): their photos were left out.
  QStringList nonTrovate;
  QStringList formatiNonOfferti;
  // The user chose to stop.
  bool interrotta = false;
};
