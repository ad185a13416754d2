// Headers nearly every file of the program includes, compiled once per
// target rather than once per file. Only Qt's and the standard library's:
// never a header of the program's own layers.
#pragma once
#include <QByteArray>
#include <QColor>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFuture>
#include <QFutureWatcher>
#include <QHash>
#include <QImage>
#include <QList>
#include <QLocale>
#include <QObject>
#include <QPainter>
#include <QPointer>
#include <QPromise>
#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <QTimer>
#include <QVariant>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>
