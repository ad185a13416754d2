#pragma once
// Runs a component library's own registration entry, as installers do. Header
// only, so the program can register its library without linking it.
#include <QLibrary>
#include <QString>

#include "controls/KelmoraComponente.h"

struct EsitoRegistrazione {
  enum class Stato { Riuscita, LibreriaNonCaricata, EntrataMancante, EntrataFallita };
  Stato stato = Stato::Riuscita;
  QString entrata;          // "DllRegisterServer" or "DllUnregisterServer"
  QString erroreCaricamento;
  KvRisultato codice = KV_S_OK;
};

// Loads the library (it stays loaded) and calls its DllRegisterServer, or its
// DllUnregisterServer when annulla; the entry writes the registry of the user
// whose configuration folder this process sees.
inline EsitoRegistrazione ChiamaRegistrazione(const QString& percorso, bool annulla) {
  EsitoRegistrazione esito;
  esito.entrata = QString::fromLatin1(annulla ? "DllUnregisterServer" : "DllRegisterServer");
  QLibrary libreria(percorso);
  if (!libreria.load()) {
    esito.stato = EsitoRegistrazione::Stato::LibreriaNonCaricata;
    esito.erroreCaricamento = libreria.errorString();
    return esito;
  }
  auto funzione = reinterpret_cast<FunzioneDllRegisterServer>(libreria.resolve(esito.entrata.toLatin1().constData()));
  if (!funzione) {
    esito.stato = EsitoRegistrazione::Stato::EntrataMancante;
    return esito;
  }
  esito.codice = funzione();
  if (esito.codice != KV_S_OK) esito.stato = EsitoRegistrazione::Stato::EntrataFallita;
  return esito;
}
