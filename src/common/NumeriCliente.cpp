#include "common/NumeriCliente.h"

QLocale FormatoNumeri() { return QLocale(); }

QString TestoIntero(qint64 numero) { return FormatoNumeri().toString(numero); }

QString TestoDecimale(double numero, int decimali) { return FormatoNumeri().toString(numero, 'f', decimali); }
