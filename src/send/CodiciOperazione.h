#pragma once
#include <QString>

// The values of the form field "modo" agreed with the lab's web service, one
// function per operation. The lab stand-in (tools/lab) reads its codes from this
// file, so keep each definition on one line in this exact shape.

inline QString f_K_HTTPS_NUOVA_TRANSAZIONE() { return QStringLiteral("nuova_transazione"); }
inline QString f_K_HTTPS_LEGGI_TRANSAZIONE_DA_PAGARE() { return QStringLiteral("leggi_transazione_da_pagare"); }
inline QString f_K_HTTPS_LEGGI_TRANSAZIONE_PAGATO() { return QStringLiteral("leggi_transazione_pagato"); }
inline QString f_K_HTTPS_CANCELLA_TRANSAZIONE() { return QStringLiteral("cancella_transazione"); }
inline QString f_K_HTTPS_LOGIN() { return QStringLiteral("login"); }
inline QString f_K_HTTPS_CREA_MD5() { return QStringLiteral("crea_md5"); }
inline QString f_K_HTTPS_LEGGI_MD5() { return QStringLiteral("leggi_md5"); }
inline QString f_K_HTTPS_PREZZI() { return QStringLiteral("prezzi"); }
inline QString f_K_HTTPS_LEGGI_VELISTRA() { return QStringLiteral("leggi_velistra"); }
inline QString f_K_HTTPS_PAGATO() { return QStringLiteral("pagato"); }
inline QString f_K_HTTPS_PAGA_VELISTRA() { return QStringLiteral("paga_velistra"); }
inline QString f_K_HTTPS_VELISTRA_TRAFERITO() { return QStringLiteral("velistra_trasferito"); }

// Key of the stored form of the connection password. Passwords stored with one
// key cannot be read with another: never change it.
inline QString ChiavePassword() { return QStringLiteral("Kv7#pLm2qZ9w"); }
