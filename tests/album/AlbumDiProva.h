#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

class AlbumVelistra;
struct VoceAlbum;

// A catalogue file text: each format as "id|descrizione|amatoriale|prezzo".
QByteArray TestoCatalogo(const QStringList& formati);
// Amateur 13x9 (19 cents) and 15x10 (25 cents), professional 15x10P (29 cents).
QByteArray CatalogoTreFormati();
// n amateur formats "F1".."Fn" at 10, 20, ... cents.
QByteArray CatalogoDiFormati(int n);

// The copies' paths of entries, in their order.
QStringList Copie(const QList<VoceAlbum>& voci);

// Adds n entries spread over the formats in turn, with accented titles in no
// particular order and some repeated titles; their copies would lie in cartellaLavoro.
void RiempiAlbum(AlbumVelistra& album, int n, const QStringList& formati, const QString& cartellaLavoro);
