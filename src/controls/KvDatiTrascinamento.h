#pragma once
// The data of a drag started by a container. A holder may declare a format in
// OLEStartDrag without its data; the data is then asked for (OLESetData) only
// when a target wants that format.
#include <QMimeData>
#include <QStringList>
#include <functional>

#include "controls/KelmoraEsporta.h"

class KELMORA_EXPORT KvDatiTrascinamento : public QMimeData {
  Q_OBJECT

 public:
  using Fornitore = std::function<void(KvDatiTrascinamento* dati, qint16 formato)>;
  explicit KvDatiTrascinamento(Fornitore fornitore) : fornitore_(std::move(fornitore)) {}

  void DichiaraFormato(const QString& tipoMime);
  QStringList formats() const override;

  // The platform's clipboard format number of a MIME type (text 1, bitmap 2,
  // files 15), 0 for others.
  static qint16 CodiceFormato(const QString& tipoMime);

 protected:
  QVariant retrieveData(const QString& tipoMime, QMetaType tipo) const override;

 private:
  Fornitore fornitore_;
  QStringList dichiarati_;
};
