#pragma once
#include <QString>

class QWidget;

// The messages for a file that could not be saved (a full disk, a folder that
// does not allow writing); each says that what the file held before is still there.
void AvvisaAlbumNonSalvato(const QString& percorso, QWidget* proprietario = nullptr);
void AvvisaImpostazioniNonSalvate(const QString& percorso, QWidget* proprietario = nullptr);
void AvvisaPrezziarioNonSalvato(const QString& percorso, QWidget* proprietario = nullptr);
void AvvisaStoricoNonSalvato(const QString& percorso, QWidget* proprietario = nullptr);
