#pragma once
#include "common/Piattaforma.h"
#include "send/AvvisoInvio.h"

class QWidget;

// The one place where the result values of the layers below become the
// messages the user sees: each value's text, icon and buttons.

// The send

// Shows a message of the send; returns the button chosen.
RispostaMessaggio MostraAvvisoInvio(const AvvisoInvio& avviso, QWidget* proprietario = nullptr);
// An album without an order text: nothing to send, nothing to write.
void AvvisaVelistraSenzaFoto(QWidget* proprietario = nullptr);
