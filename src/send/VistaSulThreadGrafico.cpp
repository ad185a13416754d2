#include "send/VistaSulThreadGrafico.h"

#include "common/Lavoro.h"

QWidget* VistaSulThreadGrafico::finestra() {
  return SulThreadGrafico([&] { return vista_.finestra(); });
}
QString VistaSulThreadGrafico::username() const {
  return SulThreadGrafico([&] { return vista_.username(); });
}
QString VistaSulThreadGrafico::password() const {
  return SulThreadGrafico([&] { return vista_.password(); });
}
QString VistaSulThreadGrafico::proxy() const {
  return SulThreadGrafico([&] { return vista_.proxy(); });
}
bool VistaSulThreadGrafico::ftpPassivo() const {
  return SulThreadGrafico([&] { return vista_.ftpPassivo(); });
}
void VistaSulThreadGrafico::MostraStato(const QString& testo) {
  SulThreadGrafico([&] { vista_.MostraStato(testo); });
}
void VistaSulThreadGrafico::ImpostaAvanzamento(int valore, int massimo) {
  SulThreadGrafico([&] { vista_.ImpostaAvanzamento(valore, massimo); });
}
int VistaSulThreadGrafico::valoreAvanzamento() const {
  return SulThreadGrafico([&] { return vista_.valoreAvanzamento(); });
}
int VistaSulThreadGrafico::massimoAvanzamento() const {
  return SulThreadGrafico([&] { return vista_.massimoAvanzamento(); });
}
void VistaSulThreadGrafico::MostraAndamento(const QString& testo) {
  SulThreadGrafico([&] { vista_.MostraAndamento(testo); });
}
void VistaSulThreadGrafico::AbilitaAnnullaOperazione(bool abilitato) {
  SulThreadGrafico([&] { vista_.AbilitaAnnullaOperazione(abilitato); });
}
void VistaSulThreadGrafico::Chiudi() {
  SulThreadGrafico([&] { vista_.Chiudi(); });
}
