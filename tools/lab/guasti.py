"""Fault switches that tests flip: replies that go wrong, uploads cut short or
slowed down, folder names a hostile server could send."""
import re
import threading

TIPI_WEB = ("non_xml", "vuota", "lenta", "risposta")
MODI_TAGLIO = ("connessione", "dati")


def _ripetuto(testo, ripeti):
    if ripeti is None or ripeti <= 1:
        return testo
    return re.sub(r"\[\[(.*?)\]\]", lambda m: m.group(1) * ripeti, testo, flags=re.DOTALL)


class Guasto:
    """One switch. volte None means until the switches are cleared."""

    def __init__(self, volte=None, **valori):
        if volte is not None and volte < 1:
            raise ValueError("volte must be at least 1")
        self.volte = volte
        self.__dict__.update(valori)

    def descrizione(self):
        return {k: v for k, v in self.__dict__.items()}


class Guasti:
    def __init__(self):
        self._lock = threading.Lock()
        self._web = []
        self._tagli = []
        self._cartelle = []
        self._limite_ftp = 0

    def azzera(self):
        with self._lock:
            self._web.clear()
            self._tagli.clear()
            self._cartelle.clear()
            self._limite_ftp = 0

    def elenco(self):
        with self._lock:
            return {"web": [g.descrizione() for g in self._web],
                    "ftp": [g.descrizione() for g in self._tagli],
                    "cartella": [g.descrizione() for g in self._cartelle],
                    "limite_ftp": self._limite_ftp}

    def imposta_web(self, tipo, operazione=None, volte=None, secondi=0.0, testo="", ripeti=1):
        """operazione None: every operation of the web service. With ripeti, every
        part of testo between "[[" and "]]" is repeated that many times."""
        if tipo not in TIPI_WEB:
            raise ValueError("unknown fault %r" % tipo)
        with self._lock:
            self._web.append(Guasto(volte, tipo=tipo, operazione=operazione,
                                    secondi=float(secondi), testo=_ripetuto(testo, ripeti)))

    def imposta_taglio(self, byte, nome=None, volte=1, modo="connessione"):
        """The next upload (of the file called nome, when given) stops after byte bytes."""
        if modo not in MODI_TAGLIO:
            raise ValueError("unknown cut %r" % modo)
        if byte < 0:
            raise ValueError("byte must not be negative")
        with self._lock:
            self._tagli.append(Guasto(volte, byte=int(byte), nome=nome, modo=modo))

    def imposta_limite_ftp(self, byte_al_secondo):
        """Uploads started from now on arrive at no more than this rate; 0: no limit."""
        if byte_al_secondo < 0:
            raise ValueError("the limit must not be negative")
        with self._lock:
            self._limite_ftp = int(byte_al_secondo)

    def limite_ftp(self):
        with self._lock:
            return self._limite_ftp

    def imposta_cartella(self, testo, volte=1):
        """The next new transactions get this folder name instead of their own."""
        with self._lock:
            self._cartelle.append(Guasto(volte, testo=testo))

    @staticmethod
    def _consuma(elenco, condizione):
        for g in elenco:
            if condizione(g):
                if g.volte is not None:
                    g.volte -= 1
                    if g.volte == 0:
                        elenco.remove(g)
                return g
        return None

    def web_per(self, operazione):
        with self._lock:
            return self._consuma(self._web, lambda g: g.operazione in (None, operazione))

    def taglio_per(self, nome_file):
        with self._lock:
            return self._consuma(self._tagli, lambda g: g.nome in (None, nome_file))

    def cartella_imposta(self):
        with self._lock:
            g = self._consuma(self._cartelle, lambda g: True)
            return None if g is None else g.testo
