#pragma once
#include <QString>

// Root ignores file permissions. For its lifetime this drops the capabilities
// that let it (from the effective set only) in every thread of the process, the
// task pool's too, so a read-only folder refuses writes as it would for a user;
// they are raised again at the end.
class SenzaPermessiRoot {
 public:
  SenzaPermessiRoot();
  ~SenzaPermessiRoot();
  SenzaPermessiRoot(const SenzaPermessiRoot&) = delete;
  SenzaPermessiRoot& operator=(const SenzaPermessiRoot&) = delete;

 private:
  bool abbassati_ = false;
};

// A folder that refuses writes, root included, for its lifetime; writable again after.
class CartellaSoloLettura {
 public:
  explicit CartellaSoloLettura(const QString& cartella);
  ~CartellaSoloLettura();
  CartellaSoloLettura(const CartellaSoloLettura&) = delete;
  CartellaSoloLettura& operator=(const CartellaSoloLettura&) = delete;

 private:
  SenzaPermessiRoot senzaPermessi_;
  QString cartella_;
};
