#include "thumbview/CaselleSelezione.h"

#include <QCheckBox>

namespace {
const char* const kIndice = "indice";
}

CaselleSelezione::CaselleSelezione(QWidget* superficie)
    : QObject(superficie), superficie_(superficie) {}

QCheckBox* CaselleSelezione::Casella(int indice) {
  if (QCheckBox* esistente = mostrate_.value(indice)) return esistente;
  QCheckBox* casella = nullptr;
  if (!libere_.isEmpty()) {
    casella = libere_.takeLast();
  } else {
    casella = new QCheckBox(superficie_);
    casella->setObjectName(QStringLiteral("chkFotoSelezionata"));
    casella->resize(casella->sizeHint());
    // The grid takes the keyboard as a whole (Space toggles its focused cell).
    casella->setFocusPolicy(Qt::NoFocus);
    connect(casella, &QCheckBox::toggled, this, [this, casella](bool selezionata) {
      Q_EMIT commutata(casella->property(kIndice).toInt(), selezionata);
    });
  }
  casella->setProperty(kIndice, indice);
  mostrate_.insert(indice, casella);
  return casella;
}

QCheckBox* CaselleSelezione::CasellaMostrata(int indice) const { return mostrate_.value(indice); }

void CaselleSelezione::Nascondi(int indice) {
  QCheckBox* casella = mostrate_.take(indice);
  if (!casella) return;
  casella->hide();
  libere_.append(casella);
}

void CaselleSelezione::DistruggiDa(int indice) {
  const QList<int> indici = mostrate_.keys();
  for (const int i : indici)
    if (i >= indice) Nascondi(i);
}

void CaselleSelezione::NascondiTutte() {
  DistruggiDa(0);
  for (QCheckBox* casella : std::as_const(libere_)) casella->setChecked(false);
}
