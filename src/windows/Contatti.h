#pragma once
#include <QString>

// The program maker's contact address, behind the about window's logo.
inline const QString kIndirizzoPostaContatto = QStringLiteral("info@velistra.example");
