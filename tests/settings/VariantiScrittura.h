#pragma once
// The rewrites that the crash-safety test interrupts, shared by the test and
// its child: each mode rewrites one file of the program folder with one of two
// contents, through the same call the program makes.
#include <QString>
#include <QStringList>

#include "common/DocumentoXML.h"
#include "settings/Impostazioni.h"

inline const QStringList kModiScrittura{"chiusura", "ftpincorso", "connessione", "prezziario"};

inline QString FileDelModo(const PercorsiProgramma& percorsi, const QString& modo) {
  if (modo == QStringLiteral("connessione")) return percorsi.PercorsoIniFTP;
  if (modo == QStringLiteral("prezziario")) return percorsi.PercorsoFormati;
  return percorsi.PercorsoIni;
}

inline bool ScriviVariante(const PercorsiProgramma& percorsi, const QString& modo, bool seconda) {
  const Impostazioni impostazioni(percorsi);
  if (modo == QStringLiteral("chiusura")) return impostazioni.ScriviChiusuraOk(seconda);
  if (modo == QStringLiteral("ftpincorso")) return impostazioni.ScriviFTPInCorso(seconda);
  if (modo == QStringLiteral("connessione"))
    return impostazioni.ScriviConnessione(
        {seconda ? QStringLiteral("convenzionato") : QStringLiteral("cliente"),
         seconda ? QStringLiteral("MTIzNA==") : QStringLiteral("OTg3Ng=="),
         seconda ? QStringLiteral("proxy:3128") : QString(), seconda});
  // The price list: the installed catalogue, or a one-format list from the lab.
  auto catalogo = CreaDocumentoXML();
  if (seconda)
    catalogo->caricaFile(QStringLiteral(VELISTRA_SORGENTI "/data/Formati.xml"));
  else
    catalogo->caricaTesto(QStringLiteral(
        "<xml><formato id=\"15x10\" descrizione=\"Stampa 10 x 15\" amatoriale=\"1\">27</formato></xml>"));
  return catalogo->salva(percorsi.PercorsoFormati);
}
