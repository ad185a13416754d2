#pragma once
#include <QFile>
#include <QImage>
#include <functional>
#include <gtest/gtest.h>

#include "ordine/FoglioCliente.h"
#include "ordine/OrdineVelistra.h"
#include "mainwindow/Messaggi.h"
#include "send/AvvisoInvio.h"
#include "send/VistaInvio.h"
#include "support/CartellaProgrammaProva.h"

// The send window as a plain record of what the sequence showed and enabled;
// its messages go through the window layer's mapping to the test's platform,
// which answers the questions.
class VistaFinta final : public VistaInvio {
 public:
  void MostraStato(const QString& testo) override { stati.append(testo); }
  void ImpostaAvanzamento(int v, int m) override {
    valore = v;
    massimo = m;
    if (adOgniAvanzamento) adOgniAvanzamento();
  }
  void MostraAndamento(const QString& testo) override {
    andamenti.append(testo);
    if (adOgniAndamento) adOgniAndamento(testo);
  }
  void AbilitaAnnullaOperazione(bool a) override { annullaAbilitato = a; }
  bool Avvisa(const AvvisoInvio& avviso) override {
    avvisi.append(avviso);
    return MostraAvvisoInvio(avviso) == RispostaMessaggio::Si;
  }
  void ApriPaginaPagamento(const QString& indirizzo) override { piattaforma().ApriDocumento(nullptr, indirizzo); }
  void Chiudi() override { chiusa = true; }

  QStringList stati;
  int valore = 0;
  int massimo = 0;
  bool annullaAbilitato = true;
  bool chiusa = false;
  AvvisiInvio avvisi;
  std::function<void()> adOgniAvanzamento;
  QStringList andamenti;
  std::function<void(const QString&)> adOgniAndamento;
};

// The customer sheet: fixed lines, and a small white picture that records its text.
class FoglioProva final : public FoglioCliente {
 public:
  QString getDatiUtente() const override { return QStringLiteral("Rossi Anna\r\nRoma\r\nVia Po 1"); }
  bool CreaFotografiaTesto(const QString& percorso, const QString& testo) override {
    this->testo = testo;
    QImage immagine(64, 48, QImage::Format_RGB888);
    immagine.fill(Qt::white);
    return immagine.save(percorso, "JPEG");
  }

  QString testo;
};

// The real order of a test program folder, counting the new albums it starts.
class OrdineProva : public OrdineVelistra {
 public:
  explicit OrdineProva(const PercorsiProgramma& percorsi) : OrdineVelistra(percorsi) {
    connect(this, &OrdineVelistra::albumNuovo, this, [this] { ++nuoviAlbum; });
  }
  // The installed catalogue and the album file as they stand.
  void Carica() {
    catalogo().CaricaFormati();
    ASSERT_TRUE(album().CaricaVelistra(catalogo().TuttiGliIdFormati()));
  }
  // The catalogue is the lab's price list.
  bool CatalogoDelLaboratorio() const {
    return catalogo().getDescrizioneFormato(QStringLiteral("15x10")) == QStringLiteral("Stampa 15x10 lucida");
  }

  int nuoviAlbum = 0;
};

// n photo contents of the given size, each of its own byte.
inline QList<QByteArray> ContenutiProva(int n, int dimensione) {
  QList<QByteArray> contenuti;
  for (int i = 1; i <= n; ++i) contenuti.append(QByteArray(dimensione, char('a' + i)));
  return contenuti;
}

// An album of one "15x10" entry per content, saved as earlier sessions leave it:
// the copies "imgVE_000001.jpg"... in the work folder, titles with accents.
// Returns the copies' names.
inline QStringList ScriviAlbumProva(const CartellaProgrammaProva& programma, const QList<QByteArray>& contenuti,
                                    int quantita = 1) {
  const QString lavoro = programma.percorsi().CartellaLavoro;
  QStringList nomi;
  QString voci;
  for (int i = 1; i <= contenuti.size(); ++i) {
    const QString nome = QStringLiteral("imgVE_%1.jpg").arg(i, 6, 10, QChar(u'0'));
    programma.Scrivi(QStringLiteral("Velistra/") + nome, contenuti[i - 1]);
    nomi.append(nome);
    voci += QStringLiteral("<file><nomecompleto>%1%2</nomecompleto><titolo>Perù è %3.jpg</titolo>"
                           "<quantita>%4</quantita><formato>15x10</formato>"
                           "<ridimensionamento>FILLIN</ridimensionamento></file>")
                .arg(lavoro, nome)
                .arg(i)
                .arg(quantita);
  }
  programma.Scrivi(QStringLiteral("Velistra.xml"),
                   (QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xml><formato id=\"15x10\"><files>") +
                    voci + QStringLiteral("</files></formato></xml>\n"))
                       .toUtf8());
  return nomi;
}
