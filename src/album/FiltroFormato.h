#pragma once
#include <QList>

#include "album/VoceAlbum.h"

// The entries as the format view lists them: by title, comparing characters
// by their code points (so capitals before small letters and accented letters
// after every plain one), equal titles in the order given.
QList<VoceAlbum> OrdinaPerTitolo(QList<VoceAlbum> voci);
