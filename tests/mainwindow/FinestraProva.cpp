#include "FinestraProva.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "mainwindow/frmFTP.h"
#include "settings/ChiaviImpostazioni.h"
#include "settings/cINIProfiles.h"
#include "thumbview/ctrFotoView.h"

void UsaFinestraInvio(QDialog& dialogo, const QString& utente, const QString& password, const QStringList& comandi) {
  auto* invio = qobject_cast<frmFTP*>(&dialogo);
  ASSERT_NE(invio, nullptr);
  invio->findChild<QLineEdit*>(QStringLiteral("txtUsername"))->setText(utente);
  invio->findChild<QLineEdit*>(QStringLiteral("txtPassword"))->setText(password);
  for (const QString& comando : comandi) {
    invio->findChild<QPushButton*>(comando)->click();
    ASSERT_TRUE(AttendiFinche([invio] { return !invio->operazioneInCorso(); }, 60000)) << comando.toStdString();
  }
}

QStringList VociLista(const QComboBox* lista) {
  QStringList voci;
  for (int i = 0; i < lista->count(); ++i) voci.append(lista->itemText(i));
  return voci;
}

namespace {

QStringList ScriviFotoInScala(const QString& cartella, const QStringList& nomi, int scala) {
  QStringList percorsi;
  int i = 0;
  for (const QString& nome : nomi) {
    const bool verticale = i % 3 == 2;
    QImage immagine(scala * (verticale ? 90 : 160), scala * (verticale ? 160 : 120), QImage::Format_RGB32);
    immagine.fill(QColor::fromHsv((i * 47) % 360, 200, 220));
    QPainter(&immagine).fillRect(10, 10, 40, 30, Qt::white);
    const QString percorso = cartella + u'/' + nome;
    immagine.save(percorso);
    percorsi.append(percorso);
    ++i;
  }
  return percorsi;
}

}  // namespace

QStringList ScriviFotoProva(const QString& cartella, const QStringList& nomi) {
  return ScriviFotoInScala(cartella, nomi, 1);
}

QStringList ScriviFotoDaStampa(const QString& cartella, const QStringList& nomi) {
  return ScriviFotoInScala(cartella, nomi, 7);
}

void FinestraProva::CopiaNelFormato(const QString& formato, const QList<int>& indici) {
  Controlli().fvFotoCartella->Spunte().CheckaTutto(indici.isEmpty());
  for (int i : indici) Controlli().fvFotoCartella->Spunte().CasellaThumb(i)->click();
  selettori().Copia().ImpostaFormato(formato);
  Premi(Controlli().tbCartella, QStringLiteral("CopiaIn"));
}

AmbienteFinestra::AmbienteFinestra(const QString& dentro) : programma(true, dentro) {
  QFile::link(QStringLiteral(KELMORA_LIBRERIA), programma.file(QStringLiteral("libKelmora.so")));
  QDir().mkpath(percorsi().CartellaLavoro);
}

void AmbienteFinestra::ImpostaOpzione(const QString& chiave, const QString& valore) const {
  cINIProfiles().WritePrivateProfileString(kSezioneOpzioni, chiave, valore, percorsi().PercorsoIni);
}

void AmbienteFinestra::ImpostaDimensione(const QString& chiave, const QString& valore) const {
  cINIProfiles().WritePrivateProfileString(kSezioneDimForm, chiave, valore, percorsi().PercorsoIni);
}

QString AmbienteFinestra::Opzione(const QString& chiave) const {
  return cINIProfiles().GetPrivateProfileString(kSezioneOpzioni, chiave, QStringLiteral("-"), percorsi().PercorsoIni);
}

QString AmbienteFinestra::Dimensione(const QString& chiave) const {
  return cINIProfiles().GetPrivateProfileString(kSezioneDimForm, chiave, QStringLiteral("-"), percorsi().PercorsoIni);
}

void AmbienteFinestra::ClienteAbituale() const {
  ImpostaOpzione(QStringLiteral("DatiUtenteOk"), QStringLiteral("1"));
  ImpostaOpzione(QStringLiteral("NonMostrareMessaggio"), QStringLiteral("1"));
}

std::unique_ptr<FinestraProva> AmbienteFinestra::NuovaFinestra() const {
  ImpostaDimensione(QStringLiteral("FormMassimizzata"), QStringLiteral("0"));
  ImpostaDimensione(QStringLiteral("LarghezzaForm"), QStringLiteral("18000"));
  ImpostaDimensione(QStringLiteral("AltezzaForm"), QStringLiteral("12000"));
  auto finestra = std::make_unique<FinestraProva>(percorsi(), server);
  finestra->CaricaFinestra();
  finestra->show();
  return finestra;
}

std::unique_ptr<FinestraProva> AmbienteFinestra::FinestraSulleFoto() const {
  ClienteAbituale();
  auto finestra = NuovaFinestra();
  finestra->Attiva();
  EXPECT_TRUE(finestra->Sfoglia(foto.path()));
  return finestra;
}
