#include "windows/PiattaformaDesktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <QWidget>

#include "windows/DialogoSfogliaCartella.h"

namespace {

QMessageBox::Icon IconaQt(IconaMessaggio icona) {
  switch (icona) {
    case IconaMessaggio::Informazione: return QMessageBox::Information;
    case IconaMessaggio::Esclamazione: return QMessageBox::Warning;
    case IconaMessaggio::Critica: return QMessageBox::Critical;
    case IconaMessaggio::Domanda: return QMessageBox::Question;
    case IconaMessaggio::Nessuna: break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons PulsantiQt(PulsantiMessaggio pulsanti) {
  switch (pulsanti) {
    case PulsantiMessaggio::OKAnnulla: return QMessageBox::Ok | QMessageBox::Cancel;
    case PulsantiMessaggio::SiNo: return QMessageBox::Yes | QMessageBox::No;
    case PulsantiMessaggio::SiNoAnnulla:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case PulsantiMessaggio::SiNoTutte:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::YesToAll | QMessageBox::NoToAll;
    case PulsantiMessaggio::OK: break;
  }
  return QMessageBox::Ok;
}

QMessageBox::StandardButton PulsanteQt(RispostaMessaggio risposta) {
  switch (risposta) {
    case RispostaMessaggio::Annulla: return QMessageBox::Cancel;
    case RispostaMessaggio::Si: return QMessageBox::Yes;
    case RispostaMessaggio::No: return QMessageBox::No;
    case RispostaMessaggio::SiATutte: return QMessageBox::YesToAll;
    case RispostaMessaggio::NoATutte: return QMessageBox::NoToAll;
    case RispostaMessaggio::OK: break;
  }
  return QMessageBox::Ok;
}

RispostaMessaggio RispostaDa(int pulsante) {
  switch (pulsante) {
    case QMessageBox::Cancel: return RispostaMessaggio::Annulla;
    case QMessageBox::Yes: return RispostaMessaggio::Si;
    case QMessageBox::No: return RispostaMessaggio::No;
    case QMessageBox::YesToAll: return RispostaMessaggio::SiATutte;
    case QMessageBox::NoToAll: return RispostaMessaggio::NoATutte;
    default: return RispostaMessaggio::OK;
  }
}

}  // namespace

RispostaMessaggio PiattaformaDesktop::MostraMessaggio(QWidget* proprietario, const QString& testo,
                                                      IconaMessaggio icona,
                                                      PulsantiMessaggio pulsanti,
                                                      RispostaMessaggio predefinita) {
  QMessageBox box(IconaQt(icona), QStringLiteral("Velistra"), testo, PulsantiQt(pulsanti),
                  proprietario ? proprietario : QApplication::activeWindow());
  box.setDefaultButton(PulsanteQt(predefinita));
  // The close box answers like the most cautious button there is.
  if (pulsanti == PulsantiMessaggio::SiNo || pulsanti == PulsantiMessaggio::SiNoTutte)
    box.setEscapeButton(QMessageBox::No);
  // Qt's own words for the "to all" buttons speak of items, not photos.
  if (pulsanti == PulsantiMessaggio::SiNoTutte) {
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Sì"));
    box.button(QMessageBox::No)->setText(QStringLiteral("No"));
    box.button(QMessageBox::YesToAll)->setText(QStringLiteral("Sì a tutte"));
    box.button(QMessageBox::NoToAll)->setText(QStringLiteral("No a tutte"));
  }
  return RispostaDa(box.exec());
}

QString PiattaformaDesktop::SfogliaCartella(QWidget* proprietario, const QString& titolo,
                                            bool consentiDigitazione) {
  DialogoSfogliaCartella dialogo(titolo, consentiDigitazione, proprietario);
  if (dialogo.exec() != QDialog::Accepted) return {};
  return dialogo.cartellaScelta();
}

void PiattaformaDesktop::ApriDocumento(QWidget*, const QString& documento) {
  const QUrl url = QFileInfo::exists(documento) ? QUrl::fromLocalFile(documento)
                                                 : QUrl::fromUserInput(documento);
  QDesktopServices::openUrl(url);
}

void PiattaformaDesktop::ImpostaPuntatoreOccupato(QWidget* finestra, bool occupato) {
  if (!finestra) return;
  if (occupato)
    finestra->setCursor(Qt::WaitCursor);
  else
    finestra->unsetCursor();
}
