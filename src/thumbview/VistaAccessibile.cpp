#include "thumbview/VistaAccessibile.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QStringList>

#include "thumbview/Didascalie.h"
#include "thumbview/ctrFotoView.h"

namespace {

// One thumbnail; it has no widget of its own, so it follows the record by index.
class CellaAccessibile : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  CellaAccessibile(ctrFotoView* vista, int indice) : vista_(vista), indice_(indice) {}

  int Indice() const { return indice_; }
  const ctrFotoView* Vista() const { return vista_; }

  bool isValid() const override { return vista_ && indice_ < vista_->TotFile(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return vista_ ? vista_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(vista_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }

  QString text(QAccessible::Text tipo) const override {
    if (!isValid()) return {};
    const DatiThumb& thumb = vista_->Thumbs()[indice_];
    switch (tipo) {
      case QAccessible::Name:
        return thumb.NomeFileToolTip;
      case QAccessible::Description: {
        QStringList didascalie;
        if (vista_->Aspetto().MostraNumeroFoto()) didascalie << TestoNumeroFoto(thumb);
        if (vista_->Aspetto().MostraFormatoFotografico()) didascalie << TestoFormatoFotografico(thumb);
        // The mark on the picture, for those who cannot see it.
        if (const std::optional<AvvisoQualita> avviso = vista_->AvvisoThumb(indice_)) didascalie << avviso->testo;
        return didascalie.join(QStringLiteral(", "));
      }
      case QAccessible::Help:
        return thumb.PercorsoCompleto();
      default:
        return {};
    }
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    return isValid() ? vista_->AreaCellaSulloSchermo(indice_) : QRect();
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    QAccessible::State stato;
    if (!isValid()) {
      stato.invalid = true;
      return stato;
    }
    stato.checkable = true;
    stato.checked = vista_->Thumbs()[indice_].Selezionata == 1;
    stato.focusable = true;
    stato.focused = vista_->hasFocus() && vista_->IndiceFuoco() == indice_;
    stato.invisible = stato.offscreen = rect().isEmpty();
    return stato;
  }
  void* interface_cast(QAccessible::InterfaceType tipo) override {
    if (tipo == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
  }

  QStringList actionNames() const override { return {toggleAction()}; }
  void doAction(const QString& azione) override {
    if (azione != toggleAction() || !isValid() || !vista_->isEnabled()) return;
    vista_->Spunte().ImpostaSelezione(indice_, vista_->Thumbs()[indice_].Selezionata == 0);
  }
  QStringList keyBindingsForAction(const QString& azione) const override {
    if (azione == toggleAction()) return {QStringLiteral("Space")};
    return {};
  }

 private:
  QPointer<ctrFotoView> vista_;
  int indice_;
};

class ElencoAccessibile : public QAccessibleWidget {
 public:
  explicit ElencoAccessibile(ctrFotoView* vista) : QAccessibleWidget(vista, QAccessible::List) {}
  ~ElencoAccessibile() override {
    for (const QAccessible::Id id : std::as_const(celle_))
      QAccessible::deleteAccessibleInterface(id);
  }

  int childCount() const override { return Vista()->TotFile(); }
  QAccessibleInterface* child(int indice) const override {
    if (indice < 0 || indice >= childCount()) return nullptr;
    if (const QAccessible::Id id = celle_.value(indice))
      return QAccessible::accessibleInterface(id);
    auto* cella = new CellaAccessibile(Vista(), indice);
    celle_.insert(indice, QAccessible::registerAccessibleInterface(cella));
    return cella;
  }
  int indexOfChild(const QAccessibleInterface* figlio) const override {
    const auto* cella = dynamic_cast<const CellaAccessibile*>(figlio);
    return cella && cella->Vista() == Vista() && cella->isValid() ? cella->Indice() : -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = Vista()->PrimaThumbVisibile();
         i <= std::min(Vista()->UltimaThumbVisibile(), childCount() - 1); ++i)
      if (Vista()->AreaCellaSulloSchermo(i).contains(x, y)) return child(i);
    return nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    return Vista()->hasFocus() ? child(Vista()->IndiceFuoco()) : nullptr;
  }

 private:
  ctrFotoView* Vista() const { return static_cast<ctrFotoView*>(widget()); }

  mutable QHash<int, QAccessible::Id> celle_;
};

QAccessibleInterface* CreaInterfaccia(const QString& classe, QObject* oggetto) {
  if (classe == QLatin1String("ctrFotoView"))
    if (auto* vista = qobject_cast<ctrFotoView*>(oggetto)) return new ElencoAccessibile(vista);
  return nullptr;
}

}  // namespace

void InstallaAccessibilitaVista() {
  static const bool installata = (QAccessible::installFactory(&CreaInterfaccia), true);
  Q_UNUSED(installata);
}
