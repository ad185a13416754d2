#pragma once
#include <QFile>
#include <QImage>
#include <functional>
#include <memory>

#include "common/DocumentoXML.h"
#include "send/FinestraPrincipaleInvio.h"
#include "send/VistaInvio.h"

// The send window as a plain record of what the sequence showed and enabled.
class VistaFinta final : public VistaInvio {
 public:
  QWidget* finestra() override { return nullptr; }
  QString username() const override { return utente; }
  QString password() const override { return password_; }
  QString proxy() const override { return proxy_; }
  bool ftpPassivo() const override { return passivo; }
  void MostraStato(const QString& testo) override { stati.append(testo); }
  void ImpostaAvanzamento(int v, int m) override {
    valore = v;
    massimo = m;
    if (adOgniAvanzamento) adOgniAvanzamento();
  }
  int valoreAvanzamento() const override { return valore; }
  int massimoAvanzamento() const override { return massimo; }
  void AbilitaComandiOperazione(bool a) override { comandiAbilitati = a; }
  void AbilitaAnnullaOperazione(bool a) override { annullaAbilitato = a; }
  void Chiudi() override { chiusa = true; }

  QString utente;
  QString password_;
  QString proxy_;
  bool passivo = true;
  QStringList stati;
  int valore = 0;
  int massimo = 0;
  bool comandiAbilitati = true;
  bool annullaAbilitato = true;
  bool chiusa = false;
  std::function<void()> adOgniAvanzamento;
};

// The main window as far as the send path needs it.
class PrincipaleFinta final : public FinestraPrincipaleInvio {
 public:
  std::int32_t CalcolaImportoVelistra(const DocumentoXML& prezzi) override {
    ++calcoli;
    prezziVisti = prezzi.selezionaNodi(QStringLiteral("/xml/formato")).size();
    return importo;
  }
  QString getImportoCorrenteEuro() const override { return QStringLiteral("€ 1,25"); }
  QString getDatiUtente() const override { return QStringLiteral("Rossi Anna\r\nRoma\r\nVia Po 1"); }
  bool StringaFileCondition(const DocumentoXML& album, QString& strFile) override {
    const auto voci = album.selezionaNodi(QStringLiteral("/xml/formato/files/*"));
    if (voci.isEmpty()) return false;
    strFile = QStringLiteral("ImageCnt=%1\r\nPerù").arg(voci.size());
    return true;
  }
  bool CreaFotografiaTesto(const QString& percorso, const QString& testo) override {
    testoFoto = testo;
    QImage immagine(64, 48, QImage::Format_RGB888);
    immagine.fill(Qt::white);
    return immagine.save(percorso, "JPEG");
  }
  void SostituisciCatalogo(std::unique_ptr<DocumentoXML> catalogo) override {
    catalogoRicevuto = catalogo != nullptr;
  }
  void CreaNuovoVelistra() override { ++nuoviAlbum; }
  int FTPInCorso() const override { return mark; }
  void ImpostaFTPInCorso(int valore) override { mark = valore; }

  std::int32_t importo = 125;
  int calcoli = 0;
  qsizetype prezziVisti = 0;
  QString testoFoto;
  bool catalogoRicevuto = false;
  int nuoviAlbum = 0;
  int mark = 0;
};
