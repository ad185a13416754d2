"""What the stand-in's tests share: the import path of tools/lab and an FTP
session of a user."""
import ftplib
import io
import os
import sys

SORGENTI = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
sys.path.insert(0, os.path.join(SORGENTI, "tools", "lab"))


def utente(descrizione, nome):
    return next(u for u in descrizione["utenti"] if u["nome"] == nome)


def sessione_ftp(descrizione, nome):
    ftp = ftplib.FTP()
    ftp.connect("127.0.0.1", descrizione["porta_ftp"], timeout=10)
    ftp.login(nome, utente(descrizione, nome)["password_ftp"])
    return ftp


def carica(ftp, nome, contenuto):
    ftp.storbinary("STOR " + nome, io.BytesIO(contenuto))
