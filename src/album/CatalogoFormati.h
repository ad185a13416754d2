#pragma once
#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>

#include "common/DocumentoXML.h"
#include "settings/PercorsiProgramma.h"

class AlbumVelistra;

// An album entry as the amount counts it: the format of its own "formato"
// child, its prints and the price of one print.
struct VocePrezzata {
  QString formato;
  std::int32_t quantita = 0;
  std::int32_t prezzo = 0;
};
// The album's entries in the order the amount adds them, priced with a
// catalogue; an entry without a format or a readable quantity is left out.
QList<VocePrezzata> VociPrezzate(const AlbumVelistra& album, const DocumentoXML& pXMLDOMFormati);
// Adds variazione to somma; false, and no change, when it or the sum does not
// fit in 32 bits.
bool SommaCentesimi(std::int32_t& somma, std::int64_t variazione);

// The description of a format of a catalogue; empty when it is not there.
QString getDescrizioneFormato(const DocumentoXML& pXMLDOMFormati, const QString& Id);
// The price in cents of one print; 0 when the format is not there or its text
// is not a whole number.
std::int32_t getPrezzoFormato(const DocumentoXML& pXMLDOMFormati, const QString& Id);
// The paper size in centimetres of a format of a catalogue: its "dimensioni",
// else its id when that is two numbers joined by "x"; nothing when the format
// is not there or neither says it.
std::optional<QSizeF> getDimensioniFormato(const DocumentoXML& pXMLDOMFormati, const QString& Id);
// "€ " and the cents as euro with grouping and two decimals, in the user's locale.
QString ImportoInEuro(std::int32_t centesimi);

// The format catalogue "Formati.xml" of the program folder and the running
// amount of the album in euro cents.
class CatalogoFormati {
 public:
  explicit CatalogoFormati(const PercorsiProgramma& percorsi);

  const DocumentoXML& XMLDOMFormati() const { return *documento_; }
  // Loads the catalogue; a missing or broken file gives an empty catalogue.
  void CaricaFormati();
  // Takes over a catalogue loaded elsewhere (the price-list download).
  void SostituisciFormati(std::unique_ptr<DocumentoXML> formati);

  // Whether a format with that identifier is in the catalogue, of either kind.
  bool OffreFormato(const QString& Id) const;
  // The identifiers of the amateur (1) or professional (0) formats, in catalogue order.
  QStringList IdFormati(std::int16_t Amatoriale) const;

  const QString& FormatoDefault() const { return formatoDefault_; }
  void ImpostaFormatoDefault(const QString& formato) { formatoDefault_ = formato; }
  // Reads "FormatoDefault" from the settings.
  void LeggiFormatoDefault();

  QString getDescrizioneFormato(const QString& Id) const;
  std::int32_t getPrezzoFormato(const QString& Id) const;
  std::optional<QSizeF> getDimensioniFormato(const QString& Id) const;

  // Recomputes the amount of the whole album with the prices of a catalogue.
  // An entry whose product or sum does not fit adds nothing.
  std::int32_t CalcolaImportoVelistra(const AlbumVelistra& album,
                                      const DocumentoXML& pXMLDOMFormati);
  std::int32_t CalcolaImportoVelistra(const AlbumVelistra& album);
  // Add or subtract ImportoFotografia × Quantita; false, and no change, when
  // the result does not fit.
  bool IncrementaImportoVelistra(std::int32_t ImportoFotografia, std::int32_t Quantita = 1);
  bool DecrementaImportoVelistra(std::int32_t ImportoFotografia, std::int32_t Quantita = 1);

  std::int32_t ImportoCorrente() const { return importoCorrente_; }
  QString getImportoCorrenteEuro() const { return ImportoInEuro(importoCorrente_); }

 private:
  bool SommaImporto(std::int64_t variazione);

  PercorsiProgramma percorsi_;
  std::unique_ptr<DocumentoXML> documento_;
  QString formatoDefault_ = QStringLiteral("15x10");
  std::int32_t importoCorrente_ = 0;
};
