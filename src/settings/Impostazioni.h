#pragma once
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>

#include "settings/DatiImpostazioni.h"
#include "settings/PercorsiProgramma.h"

// The typed keys of the two settings files: "Velistra.ini" (sections
// "Opzioni", "DimForm", "DatiUtente") and "VelistraFTP.ini" ("DatiFTP").
// Every read and write goes to the file at once, so an object may be made for
// one use and dropped. A value that cannot be read as its type reads as the
// key's default; writers return false when the file could not be written.
class Impostazioni {
 public:
  explicit Impostazioni(const PercorsiProgramma& percorsi);

  // A whole number of at least 0.
  std::int32_t ContatoreFoto() const;
  bool ScriviContatoreFoto(std::int32_t valore) const;
  bool ChiusuraOk() const;
  bool ScriviChiusuraOk(bool valore) const;
  bool NonMostrareMessaggio() const;
  bool ScriviNonMostrareMessaggio(bool valore) const;
  // Set together with the user data (ScriviDatiUtente).
  bool DatiUtenteOk() const;
  bool FTPInCorso() const;
  bool ScriviFTPInCorso(bool valore) const;
  QString FormatoDefault() const;
  QString DeviceName() const;
  // The local time of the last price list downloaded and saved; none before
  // the first, or when the value is not such a time.
  std::optional<QDateTime> ListinoScaricato() const;
  bool ScriviListinoScaricato(const QDateTime& quando) const;

  DimensioniFinestra Dimensioni() const;
  // The splitter and the maximised state; the four window values only with
  // conFinestra, so that a maximised close keeps the last normal size.
  bool ScriviDimensioni(const DimensioniFinestra& dimensioni, bool conFinestra) const;

  DatiUtente LeggiDatiUtente() const;
  // The four values and "DatiUtenteOk" with one replacement of the file.
  bool ScriviDatiUtente(const DatiUtente& dati) const;

  // A relative "CertificatoCA" lies in the program folder.
  DatiServer LeggiDatiServer() const;
  DatiConnessione LeggiConnessione() const;
  bool ScriviConnessione(const DatiConnessione& connessione) const;

 private:
  PercorsiProgramma percorsi_;
};
