#pragma once
#include <QLocale>

// Makes a locale the default for its lifetime, then puts back the one before.
class LocaleProvvisorio {
 public:
  explicit LocaleProvvisorio(const QLocale& locale) { QLocale::setDefault(locale); }
  ~LocaleProvvisorio() { QLocale::setDefault(prima_); }
  LocaleProvvisorio(const LocaleProvvisorio&) = delete;
  LocaleProvvisorio& operator=(const LocaleProvvisorio&) = delete;

 private:
  const QLocale prima_;
};
