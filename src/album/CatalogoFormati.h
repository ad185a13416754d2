#pragma once
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>

#include "album/ImportoAlbum.h"
#include "common/DocumentoXML.h"
#include "settings/PercorsiProgramma.h"

// The price of each format of a catalogue document, as getPrezzoFormato gives it.
PrezziFormati LeggiPrezzi(const DocumentoXML& pXMLDOMFormati);

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

// The format catalogue "Formati.xml" of the program folder.
class CatalogoFormati {
 public:
  explicit CatalogoFormati(const PercorsiProgramma& percorsi);

  // Loads the catalogue; a missing or broken file gives an empty catalogue.
  void CaricaFormati();
  // Takes over a catalogue loaded elsewhere (the price-list download).
  void SostituisciFormati(std::unique_ptr<DocumentoXML> formati);

  // Whether a format with that identifier is in the catalogue, of either kind.
  bool OffreFormato(const QString& Id) const;
  // The identifiers of the amateur (1) or professional (0) formats, in catalogue order.
  QStringList IdFormati(std::int16_t Amatoriale) const;
  // The identifiers of every format, in catalogue order.
  QStringList TuttiGliIdFormati() const;
  const PrezziFormati& Prezzi() const { return prezzi_; }

  const QString& FormatoDefault() const { return formatoDefault_; }
  void ImpostaFormatoDefault(const QString& formato) { formatoDefault_ = formato; }
  // Reads "FormatoDefault" from the settings.
  void LeggiFormatoDefault();

  QString getDescrizioneFormato(const QString& Id) const;
  std::int32_t getPrezzoFormato(const QString& Id) const;
  std::optional<QSizeF> getDimensioniFormato(const QString& Id) const;

 private:
  PercorsiProgramma percorsi_;
  std::unique_ptr<DocumentoXML> documento_;
  PrezziFormati prezzi_;
  QString formatoDefault_ = QStringLiteral("15x10");
};
