#pragma once
#include <QLocale>
#include <QString>
#include <QtGlobal>

// Every number the customer reads (amounts, counts, byte sizes and rates,
// times, resolutions) is written by these, and every number the customer types
// is read by the same rule: the user's regional format, which the run script
// sets to Italian ("1.234,56"). One rule, so no window mixes "0.75" and "1,0".
QLocale FormatoNumeri();
// Grouped thousands: "4.938".
QString TestoIntero(qint64 numero);
// Grouped thousands and exactly the given decimals: "1.234,50".
QString TestoDecimale(double numero, int decimali);
