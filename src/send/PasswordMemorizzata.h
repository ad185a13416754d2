#pragma once
#include <QString>

// The password as "VelistraFTP.ini" holds it: combined with the program's key by
// exclusive or, then Base64. An empty password stays empty.
QString CodificaPassword(const QString& password);
QString DecodificaPassword(const QString& memorizzata);
