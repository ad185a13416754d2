#pragma once
#include <QString>
#include <optional>

class QWidget;

// The question for a photo already in its target format, over one copy loop:
// after "Sì a tutte" or "No a tutte" the later photos of the loop are not asked
// about.
class RisposteDuplicato {
 public:
  explicit RisposteDuplicato(QWidget* proprietario) : proprietario_(proprietario) {}

  // Whether the photo titolo goes into formato again.
  bool Aggiungere(const QString& titolo, const QString& formato);

 private:
  QWidget* proprietario_;
  std::optional<bool> perTutte_;
};
