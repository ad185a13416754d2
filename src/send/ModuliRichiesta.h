#pragma once
#include <QString>

// The four request bodies of the lab's web service. Every value is encoded as
// application/x-www-form-urlencoded, so "&", "=", "+", "%" and spaces arrive
// unchanged; the fields always come in this order.
QString creaDatiPostM(const QString& username, const QString& password, const QString& modo);
QString creaDatiPostTM(const QString& username, const QString& password,
                       const QString& transazione_id, const QString& modo);
QString creaDatiPostTPM(const QString& username, const QString& password,
                        const QString& transazione_id, const QString& prezzo, const QString& modo);
QString creaDatiPostTTM(const QString& username, const QString& password,
                        const QString& transazione_id, const QString& traferito, const QString& modo);
