#include "send/LetturaRisposta.h"

#include <QLocale>
#include <cmath>
#include <limits>
#include <optional>

#include "common/DocumentoXML.h"

namespace {

QString TestoNodo(const DocumentoXML& risposta, const QString& percorso) {
  const NodoXML nodo = risposta.selezionaNodo(percorso);
  return nodo ? nodo.testo() : QString();
}

std::optional<double> Numero(const QString& testo) {
  bool ok = false;
  const QString t = testo.trimmed();
  double n = QLocale::c().toDouble(t, &ok);
  if (!ok) n = QLocale().toDouble(t, &ok);
  if (!ok || !std::isfinite(n)) return std::nullopt;
  return n;
}

}  // namespace

bool LeggiRispostaTesto(const DocumentoXML& risposta, const QString& percorso, QString& valore) {
  const QString testo = TestoNodo(risposta, percorso);
  if (testo.isEmpty()) return false;
  valore = testo;
  return true;
}

bool LeggiRispostaBool(const DocumentoXML& risposta, const QString& percorso, bool& valore) {
  const QString testo = TestoNodo(risposta, percorso).trimmed();
  if (testo.isEmpty()) return false;
  if (testo.compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0) {
    valore = true;
    return true;
  }
  if (testo.compare(QStringLiteral("false"), Qt::CaseInsensitive) == 0) {
    valore = false;
    return true;
  }
  const auto numero = Numero(testo);
  if (!numero) return false;
  valore = *numero != 0;
  return true;
}

bool LeggiRispostaIntero(const DocumentoXML& risposta, const QString& percorso, int& valore) {
  const QString testo = TestoNodo(risposta, percorso);
  if (testo.isEmpty()) return false;
  const auto numero = Numero(testo);
  if (!numero) return false;
  // Halves go to the even neighbour, as the number conversion of the platform did.
  const double intero = std::nearbyint(*numero);
  if (intero < std::numeric_limits<int>::min() || intero > std::numeric_limits<int>::max())
    return false;
  valore = static_cast<int>(intero);
  return true;
}
