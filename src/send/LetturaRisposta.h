#pragma once
#include <QString>

class DocumentoXML;

// The one rule by which a reply value is taken: the node at the path, when it
// exists and its text is not empty and converts, replaces the target; otherwise
// the target keeps its value. Each returns whether the target was set.
bool LeggiRispostaTesto(const DocumentoXML& risposta, const QString& percorso, QString& valore);
// "true"/"false" in any letter case, or a number: true when not zero.
bool LeggiRispostaBool(const DocumentoXML& risposta, const QString& percorso, bool& valore);
// A whole number in the signed 32-bit range.
bool LeggiRispostaIntero(const DocumentoXML& risposta, const QString& percorso, int& valore);
