// A reply of the lab's server, as bytes and as the text the request hands on,
// through every reading the server dialogue makes of it.
#include "AmbienteFuzz.h"
#include "album/FileAlbum.h"
#include "common/Ansi.h"
#include "common/DocumentoXML.h"
#include "common/Percorsi.h"
#include "send/AccessoLaboratorio.h"
#include "send/PassiTransazione.h"
#include "send/LetturaRisposta.h"
#include "send/Prezziario.h"
#include "send/SessioneFTP.h"

namespace {

void LeggiComeRisposta(const DocumentoXML& risposta) {
  QString testo;
  for (const char* percorso : {"/xml/transazioni/transazione_id", "/xml/transazioni/data",
                               "/xml/md5", "/xml/utente/passwd_ftp"})
    LeggiRispostaTesto(risposta, QString::fromLatin1(percorso), testo);
  bool vero = false;
  LeggiRispostaBool(risposta, QStringLiteral("/xml/pagato"), vero);
  LeggiRispostaBool(risposta, QStringLiteral("/xml/utente/esiste"), vero);
  int intero = 0;
  LeggiRispostaIntero(risposta, QStringLiteral("/xml/esito_md5"), intero);

  if (LeggiRispostaTesto(risposta, QStringLiteral("/xml/url"), testo)) {
    const QString indirizzo = IndirizzoPagamento(testo).toLower();
    VERIFICA_FUZZ(indirizzo.isEmpty() || indirizzo.startsWith(QStringLiteral("http://")) ||
                  indirizzo.startsWith(QStringLiteral("https://")));
  }
  if (LeggiRispostaTesto(risposta, QStringLiteral("/xml/transazioni/cartella"), testo) &&
      NomeRemotoSicuro(testo))
    VERIFICA_FUZZ(!testo.split(u'/').contains(QStringLiteral("..")) && !testo.startsWith(u'/'));
  CatalogoValido(risposta);
}

// The server's copy of the album names the files to send.
void LeggiComeAlbum(const QByteArray& byte) {
  for (const VoceAlbum& voce : VociDaInviare(byte)) {
    const QString nome = TestoDopoUltimo(voce.copia, QStringLiteral("/"));
    if (NomeRemotoSicuro(nome)) VERIFICA_FUZZ(nome != QStringLiteral("..") && !nome.contains(u'\n'));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti) {
  PreparaAmbienteFuzz();
  const QByteArray byte = ByteFuzz(dati, quanti);
  auto risposta = CreaDocumentoXML();
  risposta->caricaByte(byte);
  LeggiComeRisposta(*risposta);
  LeggiComeAlbum(byte);
  for (const QString& testo : {QString::fromUtf8(byte), DaAnsi(byte)}) {
    risposta->caricaTesto(testo);
    LeggiComeRisposta(*risposta);
    LeggiRispostaAccesso(testo);
  }
  return 0;
}
