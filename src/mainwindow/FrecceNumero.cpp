#include "mainwindow/FrecceNumero.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QToolButton* Freccia(Qt::ArrowType verso, const QString& nome, QWidget* genitore) {
  auto* freccia = new QToolButton(genitore);
  freccia->setArrowType(verso);
  freccia->setAutoRepeat(true);
  freccia->setAccessibleName(nome);
  freccia->setToolTip(nome);
  freccia->setFixedSize(16, 11);
  return freccia;
}

}  // namespace

FrecceNumero::FrecceNumero(QLineEdit* campo, QWidget* genitore) : QWidget(genitore), campo_(campo) {
  setObjectName(QStringLiteral("udNumFoto"));
  setAccessibleName(QStringLiteral("Numero di fotografie"));
  auto* colonna = new QVBoxLayout(this);
  colonna->setContentsMargins(0, 0, 0, 0);
  colonna->setSpacing(0);
  QToolButton* su = Freccia(Qt::UpArrow, QStringLiteral("Una fotografia in più"), this);
  QToolButton* giu = Freccia(Qt::DownArrow, QStringLiteral("Una fotografia in meno"), this);
  colonna->addWidget(su);
  colonna->addWidget(giu);
  connect(su, &QToolButton::clicked, this, [this] { Incrementa(1); });
  connect(giu, &QToolButton::clicked, this, [this] { Incrementa(-1); });
}

void FrecceNumero::Incrementa(int passo) {
  bool ok = false;
  const int attuale = campo_->text().trimmed().toInt(&ok);
  campo_->setText(QString::number(std::clamp(ok ? attuale + passo : kMinimo, kMinimo, kMassimo)));
}
