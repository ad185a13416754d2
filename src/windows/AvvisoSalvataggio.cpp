#include "windows/AvvisoSalvataggio.h"

#include <QDir>

#include "windows/Piattaforma.h"

namespace {

void Avvisa(const QString& apertura, const QString& percorso, QWidget* proprietario) {
  MsgBox(apertura + QStringLiteral("\r\n'") + QDir::toNativeSeparators(percorso) +
             QStringLiteral("'.\r\nIl disco potrebbe essere pieno o la cartella protetta da scrittura: "
                            "il contenuto salvato in precedenza non è stato modificato."),
         IconaMessaggio::Critica, PulsantiMessaggio::OK, proprietario);
}

}  // namespace

void AvvisaAlbumNonSalvato(const QString& percorso, QWidget* proprietario) {
  Avvisa(QStringLiteral("Impossibile salvare il Velistra nel file"), percorso, proprietario);
}

void AvvisaImpostazioniNonSalvate(const QString& percorso, QWidget* proprietario) {
  Avvisa(QStringLiteral("Impossibile salvare le impostazioni nel file"), percorso, proprietario);
}

void AvvisaPrezziarioNonSalvato(const QString& percorso, QWidget* proprietario) {
  Avvisa(QStringLiteral("Impossibile salvare il prezziario nel file"), percorso, proprietario);
}

void AvvisaStoricoNonSalvato(const QString& percorso, QWidget* proprietario) {
  Avvisa(QStringLiteral("Impossibile salvare lo storico degli ordini nel file"), percorso, proprietario);
}
