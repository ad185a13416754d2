"""The lab's state in SQLite: users, transactions with their paid and
transferred flags and recorded digests, and every request received."""
import datetime
import json
import secrets
import sqlite3
import threading

_SCHEMA = """
CREATE TABLE IF NOT EXISTS utenti (
  nome TEXT PRIMARY KEY,
  password TEXT NOT NULL,
  password_ftp TEXT NOT NULL,
  convenzionato INTEGER NOT NULL,
  solo_prezzi INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS transazioni (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  utente TEXT NOT NULL,
  data TEXT NOT NULL,
  cartella TEXT NOT NULL,
  pagato INTEGER NOT NULL DEFAULT 0,
  trasferito INTEGER NOT NULL DEFAULT 0,
  cancellata INTEGER NOT NULL DEFAULT 0,
  prezzo TEXT,
  md5 TEXT,
  token TEXT UNIQUE);
CREATE TABLE IF NOT EXISTS richieste (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  istante TEXT NOT NULL,
  operazione TEXT NOT NULL,
  campi TEXT NOT NULL);
"""

_COLONNE = ("id", "utente", "data", "cartella", "pagato", "trasferito", "cancellata",
            "prezzo", "md5", "token")


def _adesso():
    return datetime.datetime.now().strftime("%Y-%m-%d %H:%M:%S")


class Archivio:
    def __init__(self, percorso):
        # One connection shared by the server threads, one statement at a time.
        self._db = sqlite3.connect(percorso, check_same_thread=False, isolation_level=None)
        self._lock = threading.Lock()
        with self._lock:
            self._db.executescript(_SCHEMA)

    def chiudi(self):
        with self._lock:
            self._db.close()

    def _esegui(self, sql, parametri=()):
        with self._lock:
            return self._db.execute(sql, parametri).fetchall()

    # --- users

    def registra_utenti(self, utenti):
        for u in utenti:
            self._esegui(
                "INSERT OR REPLACE INTO utenti VALUES (?, ?, ?, ?, ?)",
                (u["nome"], u["password"], u["password_ftp"],
                 int(u["convenzionato"]), int(u["solo_prezzi"])))

    def utente(self, nome, password):
        """The user's row as a dict when name and password match, else None."""
        righe = self._esegui(
            "SELECT nome, password_ftp, convenzionato, solo_prezzi FROM utenti "
            "WHERE nome = ? AND password = ?", (nome, password))
        if not righe:
            return None
        nome, password_ftp, convenzionato, solo_prezzi = righe[0]
        return {"nome": nome, "password_ftp": password_ftp,
                "convenzionato": bool(convenzionato), "solo_prezzi": bool(solo_prezzi)}

    # --- transactions

    def _transazioni(self, dove, parametri):
        righe = self._esegui("SELECT %s FROM transazioni WHERE %s ORDER BY id"
                             % (", ".join(_COLONNE), dove), parametri)
        return [dict(zip(_COLONNE, r)) for r in righe]

    def nuova_transazione(self, utente, cartella=None):
        """Opens a transaction; its folder is "VE_" + the id unless one is imposed."""
        with self._lock:
            cursore = self._db.execute(
                "INSERT INTO transazioni (utente, data, cartella, token) VALUES (?, ?, '', ?)",
                (utente, _adesso(), secrets.token_urlsafe(18)))
            ident = cursore.lastrowid
            self._db.execute("UPDATE transazioni SET cartella = ? WHERE id = ?",
                             (cartella if cartella is not None else "VE_%06d" % ident, ident))
        return self.transazione(ident)

    def transazione(self, ident, utente=None):
        try:
            ident = int(ident)
        except (TypeError, ValueError):
            return None
        trovate = self._transazioni("id = ?", (ident,))
        if not trovate or (utente is not None and trovate[0]["utente"] != utente):
            return None
        return trovate[0]

    def transazione_da_token(self, token):
        trovate = self._transazioni("token = ?", (token,))
        return trovate[0] if trovate else None

    def aperta(self, utente, pagata):
        """The user's latest transaction that is neither cancelled nor transferred
        and is (or is not) paid."""
        trovate = self._transazioni(
            "utente = ? AND cancellata = 0 AND trasferito = 0 AND pagato = ?",
            (utente, int(pagata)))
        return trovate[-1] if trovate else None

    def tutte(self):
        return self._transazioni("1 = 1", ())

    def aggiorna(self, ident, **valori):
        colonne = [c for c in valori if c in _COLONNE and c != "id"]
        if len(colonne) != len(valori):
            raise ValueError("unknown column")
        self._esegui("UPDATE transazioni SET %s WHERE id = ?"
                     % ", ".join("%s = ?" % c for c in colonne),
                     tuple(valori[c] for c in colonne) + (int(ident),))

    # --- requests

    def registra_richiesta(self, operazione, campi):
        self._esegui("INSERT INTO richieste (istante, operazione, campi) VALUES (?, ?, ?)",
                     (_adesso(), operazione, json.dumps(campi, ensure_ascii=False)))

    def richieste(self):
        righe = self._esegui("SELECT id, istante, operazione, campi FROM richieste ORDER BY id")
        return [{"id": i, "istante": t, "operazione": o, "campi": json.loads(c)}
                for i, t, o, c in righe]
