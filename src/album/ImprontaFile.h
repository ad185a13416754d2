#pragma once
#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

// What tells two photos apart: the number of bytes and their MD5 digest.
struct ImprontaFile {
  qint64 dimensione = -1;
  QByteArray md5;
  bool operator==(const ImprontaFile&) const = default;
};

// Copies origine to destinazione, which must not exist yet, and digests the
// bytes as they pass, so the photo is read once. On failure nothing is left
// at destinazione.
std::optional<ImprontaFile> CopiaConImpronta(const QString& origine, const QString& destinazione);
// The digest of a file read whole; none when it cannot be read.
std::optional<ImprontaFile> LeggiImpronta(const QString& percorso);
