#pragma once
#include <QList>
#include <QString>
#include <optional>

#include "album/AlbumVelistra.h"
#include "album/CatalogoFormati.h"
#include "common/QualitaStampa.h"

// The paper of a format with a resize mode (key or label); nothing when the
// format's size is not known.
std::optional<CartaStampa> CartaDelFormato(const CatalogoFormati& catalogo, const QString& formato,
                                           const QString& ridimensionamento);

// An album entry whose paper is known, with the copy it prints.
struct VoceDaStampare {
  QString percorso;
  CartaStampa carta;
};
// Reads only the album, so it is quick on the GUI thread.
QList<VoceDaStampare> VociDaStampare(const AlbumVelistra& album, const CatalogoFormati& catalogo);
// The entries that would print below the recommended resolution. Opens every
// photo's header: run it on a worker.
int ContaStampeSgranate(const QList<VoceDaStampare>& voci);
