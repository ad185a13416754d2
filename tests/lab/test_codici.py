import unittest

import aiuto_laboratorio  # noqa: F401  (import path)
from codici import OPERAZIONI, leggi_codici, leggi_costanti


class TestCodici(unittest.TestCase):
    def test_the_twelve_codes_come_from_the_program_source(self):
        codici = leggi_codici()
        self.assertEqual(list(codici), list(OPERAZIONI))
        self.assertEqual(len(set(codici.values())), 12)
        self.assertTrue(leggi_costanti()["ChiavePassword"])


if __name__ == "__main__":
    unittest.main()
