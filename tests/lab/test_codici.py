import os
import tempfile
import unittest

import aiuto_laboratorio  # noqa: F401  (import path)
from codici import OPERAZIONI, CodiciNonValidi, leggi_codici, leggi_costanti


class TestCodici(unittest.TestCase):
    def test_the_twelve_codes_come_from_the_program_source(self):
        codici = leggi_codici()
        self.assertEqual(list(codici), list(OPERAZIONI))
        self.assertEqual(len(set(codici.values())), 12)
        self.assertTrue(leggi_costanti()["ChiavePassword"])

    def scrivi(self, testo):
        cartella = tempfile.TemporaryDirectory()
        self.addCleanup(cartella.cleanup)
        percorso = os.path.join(cartella.name, "Codici.h")
        with open(percorso, "w", encoding="utf-8") as f:
            f.write(testo)
        return percorso

    def riga(self, nome, valore):
        return 'inline QString %s() { return QStringLiteral("%s"); }\n' % (nome, valore)

    def test_a_missing_or_repeated_code_is_refused(self):
        tutte = [self.riga(n, n.lower()) for n in OPERAZIONI]
        with self.assertRaisesRegex(CodiciNonValidi, "f_K_HTTPS_PAGATO"):
            leggi_codici(self.scrivi("".join(r for r in tutte if "_PAGATO()" not in r)))
        doppio = tutte[:-1] + [self.riga(OPERAZIONI[-1], OPERAZIONI[0].lower())]
        with self.assertRaisesRegex(CodiciNonValidi, "distinct"):
            leggi_codici(self.scrivi("".join(doppio)))


if __name__ == "__main__":
    unittest.main()
