#pragma once
#include <QFile>
#include <functional>
#include <gtest/gtest.h>

#include "ordine/OrdineVelistra.h"
#include "send/AvvisoInvio.h"
#include "send/VistaInvio.h"
#include "support/CartellaProgrammaProva.h"
#include "support/FoglioProva.h"

// The send window as a plain record of what the sequence showed, told, opened
// and enabled; the texts of its messages are the window layer's (test_mainwindow).
class VistaFinta final : public VistaInvio {
 public:
  void MostraStato(const QString&) override {}
  void ImpostaAvanzamento(int v, int m) override {
    valore = v;
    massimo = m;
    if (adOgniAvanzamento) adOgniAvanzamento();
  }
  void MostraAndamento(const QString& testo) override {
    if (adOgniAndamento) adOgniAndamento(testo);
  }
  void AbilitaAnnullaOperazione(bool a) override { annullaAbilitato = a; }
  // A question takes the next answer of risposte, else its default, No.
  bool Avvisa(const AvvisoInvio& avviso) override {
    avvisi.append(avviso);
    if (avviso.tipo != AvvisoInvio::Tipo::ConfermaCancellazione) return false;
    ++domande;
    return !risposte.isEmpty() && risposte.takeFirst();
  }
  void ApriPaginaPagamento(const QString& indirizzo) override { pagine.append(indirizzo); }
  // The kinds of the messages told, in order.
  QList<AvvisoInvio::Tipo> tipi() const {
    QList<AvvisoInvio::Tipo> tipi;
    for (const AvvisoInvio& avviso : avvisi) tipi.append(avviso.tipo);
    return tipi;
  }
  void Chiudi() override { chiusa = true; }

  int valore = 0;
  int massimo = 0;
  bool annullaAbilitato = true;
  bool chiusa = false;
  AvvisiInvio avvisi;
  QList<bool> risposte;
  int domande = 0;
  QStringList pagine;
  std::function<void()> adOgniAvanzamento;
  std::function<void(const QString&)> adOgniAndamento;
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
