#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <memory>
#include <unordered_set>

struct _xmlDoc;
struct _xmlNode;

class DocumentoXML;

// A node of a DocumentoXML: a plain handle, valid while its document lives and
// the node is not removed from it for good.
class NodoXML {
 public:
  NodoXML() = default;
  NodoXML(_xmlNode* nodo, DocumentoXML* documento) : nodo_(nodo), documento_(documento) {}

  bool valido() const { return nodo_ != nullptr; }
  explicit operator bool() const { return valido(); }
  bool operator==(const NodoXML& altro) const { return nodo_ == altro.nodo_; }

  QString nome() const;
  // Whether the node is an element of that name in no namespace, as an XPath
  // name test without prefix sees it.
  bool elementoDiNome(const QString& nome) const;
  // The text of the node and all its descendants.
  QString testo() const;
  // Replaces the node's children by one text node holding the text as it stands.
  void impostaTesto(const QString& testo);
  QString attributo(const QString& nome) const;
  void impostaAttributo(const QString& nome, const QString& valore);

  bool haFigli() const;
  QList<NodoXML> figli() const;  // every child node, in document order
  NodoXML genitore() const;

  // Appends a node of the same document as the last child; returns it.
  NodoXML aggiungiFiglio(NodoXML figlio);
  // Detaches a child; the node stays usable (it may be appended elsewhere).
  NodoXML rimuoviFiglio(NodoXML figlio);

  // XPath 1.0 from this node; an invalid expression selects nothing.
  NodoXML selezionaNodo(const QString& xpath) const;
  QList<NodoXML> selezionaNodi(const QString& xpath) const;

  // The node serialised as XML text.
  QString xml() const;

  _xmlNode* grezzo() const { return nodo_; }

 private:
  friend class DocumentoXML;
  _xmlNode* nodo_ = nullptr;
  DocumentoXML* documento_ = nullptr;
};

// An XML document (DOM, XPath 1.0) over libxml2.
// Made only by CreaDocumentoXML. Loading never throws: a text that is not
// well-formed gives an empty document whose load failed. Documents that declare
// entities are refused, and nothing is ever fetched from the network.
class DocumentoXML {
 public:
  ~DocumentoXML();
  DocumentoXML(const DocumentoXML&) = delete;
  DocumentoXML& operator=(const DocumentoXML&) = delete;

  bool caricaFile(const QString& percorso);
  // Loads a text (its encoding declaration is ignored: it is already text).
  bool caricaTesto(const QString& testo);
  // Loads bytes as received, honouring their encoding declaration.
  bool caricaByte(const QByteArray& byte);
  // Whether the last load succeeded; a new empty document counts as not loaded.
  bool caricato() const { return caricato_; }
  QString erroreCaricamento() const { return errore_; }

  // Saves atomically; false (old file intact) on failure. The program saves
  // only the customer's own documents (album, history): a new file is 0600.
  bool salva(const QString& percorso) const;
  // The document serialised (UTF-8, declaration first, no indentation).
  QByteArray xml() const;

  bool haFigli() const;
  NodoXML radice() const;  // the document element, or none
  // Makes the document start with the declaration version 1.0, encoding UTF-8.
  void aggiungiDichiarazione();
  // Appends a node as the document's root element.
  NodoXML aggiungiFiglio(NodoXML figlio);

  NodoXML creaElemento(const QString& nome);
  NodoXML creaTesto(const QString& testo);
  // A deep or shallow copy of a node of any document, owned by this one.
  NodoXML importaNodo(const NodoXML& nodo, bool profondo = true);

  NodoXML selezionaNodo(const QString& xpath) const;
  QList<NodoXML> selezionaNodi(const QString& xpath) const;


 private:
  friend class NodoXML;
  friend std::unique_ptr<DocumentoXML> CreaDocumentoXML(const QString& percorso);
  DocumentoXML();

  bool caricaMemoria(const QByteArray& byte, const char* codifica);
  void Sostituisci(_xmlDoc* nuovo);
  void LiberaNodiStaccati();
  NodoXML Traccia(_xmlNode* nodo);

  _xmlDoc* doc_ = nullptr;
  bool caricato_ = false;
  QString errore_;
  // Nodes made or detached through this object that may hold no parent: freed
  // with the document unless they were attached somewhere.
  std::unordered_set<_xmlNode*> staccati_;
};

// Makes an XML document, loading the file when the path names an existing one.
std::unique_ptr<DocumentoXML> CreaDocumentoXML(const QString& percorso = {});

// The value as an XPath string literal, whatever quotes it holds.
QString LetteraleXPath(const QString& valore);
// The value escaped for XML text and attribute values.
QString TestoXMLSicuro(const QString& valore);
