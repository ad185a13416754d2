// Side by side on the local lab stand-in's FTP server:
//  1. uploading N photos of 5 MB through SessioneFTP in a task, as the send
//     does (its byte-count lines reported as steps to the GUI thread), against one
//     curl process uploading the same files over one reused connection;
//     meanwhile a 5 ms timer on the GUI thread records its worst lateness, the
//     longest the window would wait to repaint or take a click;
//  2. the resume check of M photos already on the server (one listing) against
//     one curl process making the M size queries on one connection.
// Both in clear, then over TLS (the stand-in offering AUTH TLS, curl --ssl-reqd).
// Usage: bench_ftp [photos=100] [checked=1000]
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "BancoLaboratorio.h"
#include "common/Compito.h"
#include "send/AndamentoInvio.h"
#include "send/SessioneFTP.h"

namespace {

QStringList CreaFile(const QString& cartella, int quanti, qint64 dimensione, const QString& prefisso) {
  QStringList file;
  QByteArray blocco(1 << 20, '\0');
  for (char& b : blocco) b = static_cast<char>(QRandomGenerator::global()->bounded(256));
  for (int i = 0; i < quanti; ++i) {
    const QString percorso = cartella + QStringLiteral("/%1%2.jpg").arg(prefisso).arg(i, 5, 10, QChar(u'0'));
    QFile f(percorso);
    f.open(QIODevice::WriteOnly);
    for (qint64 scritti = 0; scritti < dimensione; scritti += blocco.size())
      f.write(blocco.constData(), std::min<qint64>(blocco.size(), dimensione - scritti));
    file.append(percorso);
  }
  return file;
}

double Curl(const QStringList& argomenti, const QString& configurazione) {
  QTemporaryDir cartella;
  const QString percorso = cartella.filePath(QStringLiteral("curl.cfg"));
  QFile f(percorso);
  f.open(QIODevice::WriteOnly);
  f.write(configurazione.toUtf8());
  f.close();
  QElapsedTimer orologio;
  orologio.start();
  QProcess curl;
  curl.setStandardOutputFile(QProcess::nullDevice());
  curl.start(QStringLiteral("curl"), argomenti + QStringList{QStringLiteral("--config"), percorso});
  curl.waitForFinished(-1);
  if (curl.exitCode() != 0) std::fprintf(stderr, "curl failed: %s\n", curl.readAllStandardError().constData());
  return orologio.nsecsElapsed() / 1e9;
}

using Riferisci = std::function<void(const QString&)>;

// Runs lavoro as a task while the GUI thread's event loop serves a timer of
// the given period and takes the lines the task reports; returns the timer's
// worst lateness in milliseconds.
double RitardoPeggiore(const std::function<int(const Riferisci&)>& lavoro, const std::function<void(const QString&)>& riga,
                       const std::function<void(int)>& fine, int periodoMs) {
  QTimer battito;
  battito.setTimerType(Qt::PreciseTimer);
  QElapsedTimer orologio;
  qint64 ultimo = 0;
  qint64 peggiore = 0;
  QObject::connect(&battito, &QTimer::timeout, [&] {
    const qint64 adesso = orologio.nsecsElapsed();
    peggiore = std::max(peggiore, adesso - ultimo - periodoMs * 1000000LL);
    ultimo = adesso;
  });
  QEventLoop ciclo;
  QObject contesto;
  orologio.start();
  battito.start(periodoMs);
  AvviaCompitoConPassi<QString>(&contesto, lavoro, riga, [&ciclo, &fine](int risultato) {
    fine(risultato);
    ciclo.quit();
  });
  ciclo.exec();
  return peggiore / 1e6;
}

int Confronta(bool tls, int foto, int controllate) {
  BancoLaboratorio banco(tls);
  if (!banco.avviato()) {
    std::fprintf(stderr, "lab stand-in did not start: %s\n", qPrintable(banco.errore()));
    return 1;
  }
  const auto utente = banco.utente(QStringLiteral("convenzionato"));
  const QString casa = banco.cartellaFTP() + u'/' + utente.nome;
  for (const char* sotto : {"nostro", "curl", "ripresa"}) QDir().mkpath(casa + u'/' + QLatin1String(sotto));
  QTemporaryDir locale;

  SessioneFTP::Impostazioni impostazioni;
  impostazioni.server = banco.serverFTP();
  impostazioni.utente = utente.nome;
  impostazioni.password = utente.passwordFTP;
  impostazioni.passivo = true;
  impostazioni.certificatoCA = banco.certificatoCA();
  impostazioni.tlsObbligatorio = tls;
  const char* come = tls ? "over TLS" : "in clear";

  // 1. Upload.
  const QStringList grandi = CreaFile(locale.path(), foto, 5 << 20, QStringLiteral("foto"));
  QElapsedTimer orologio;
  orologio.start();
  int inviate = 0;
  int righe = 0;
  QString ultimaRiga;
  const double ritardo = RitardoPeggiore(
      [&impostazioni, grandi](const Riferisci& riferisci) {
        SessioneFTP sessione;
        sessione.ApriSessioneFTP(impostazioni);
        sessione.CambiaCartellaFTP({}, QStringLiteral("nostro"));
        AndamentoInvio andamento(static_cast<qint64>(grandi.size()) * (5 << 20));
        const std::function<void(qint64)> mostra = [&](qint64 byte) {
          andamento.FileInCorso(byte);
          if (andamento.DaMostrare()) riferisci(andamento.testo());
        };
        int arrivate = 0;
        for (const QString& f : grandi) {
          arrivate +=
              sessione.InviaFileFTP(f, QStringLiteral("h/nostro/") + QFileInfo(f).fileName(), mostra).riuscito();
          andamento.FileConcluso();
        }
        return arrivate;
      },
      [&](const QString& riga) {
        ultimaRiga = riga;
        ++righe;
      },
      [&inviate](int arrivate) { inviate = arrivate; }, 5);
  const double nostro = orologio.nsecsElapsed() / 1e9;
  QString configurazione;
  for (const QString& f : grandi)
    configurazione += QStringLiteral("upload-file = \"%1\"\nurl = \"ftp://%2/curl/%3\"\n")
                          .arg(f, banco.serverFTP(), QFileInfo(f).fileName());
  const QString credenziali = utente.nome + u':' + utente.passwordFTP;
  QStringList opzioniCurl{QStringLiteral("-s"), QStringLiteral("--user"), credenziali};
  if (tls) opzioniCurl += {QStringLiteral("--ssl-reqd"), QStringLiteral("--cacert"), banco.certificatoCA()};
  const double conCurl = Curl(opzioniCurl, configurazione);
  std::printf("%s: upload of %d x 5 MB (%d arrived): SessioneFTP in a task %.2f s, curl %.2f s, ratio %.2f (target <= 1.25); "
              "GUI thread's 5 ms timer worst lateness meanwhile %.1f ms (target <= 50); "
              "%d byte-count lines reported to it, the last \"%s\"\n",
              come, foto, inviate, nostro, conCurl, nostro / conCurl, ritardo, righe, qPrintable(ultimaRiga));

  // 2. Resume check.
  const QStringList piccoli = CreaFile(locale.path(), controllate, 2048, QStringLiteral("r"));
  for (const QString& f : piccoli) QFile::copy(f, casa + QStringLiteral("/ripresa/") + QFileInfo(f).fileName());
  orologio.restart();
  int trovate = 0;
  {
    SessioneFTP sessione;
    sessione.ApriSessioneFTP(impostazioni);
    sessione.CambiaCartellaFTP({}, QStringLiteral("ripresa"));
    sessione.ElencaCartellaCorrente();
    for (const QString& f : piccoli) trovate += sessione.FileGiaTrasferito(f) ? 1 : 0;
  }
  const double ripresa = orologio.nsecsElapsed() / 1e9;
  configurazione.clear();
  for (const QString& f : piccoli)
    configurazione += QStringLiteral("url = \"ftp://%1/ripresa/%2\"\n").arg(banco.serverFTP(), QFileInfo(f).fileName());
  const double domande = Curl(opzioniCurl + QStringList{QStringLiteral("-I")}, configurazione);
  std::printf("%s: resume check of %d photos (%d found): SessioneFTP %.3f s, curl size queries %.3f s, ratio %.3f "
              "(target <= 0.1)\n",
              come, controllate, trovate, ripresa, domande, ripresa / domande);
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  const int foto = argc > 1 ? std::atoi(argv[1]) : 100;
  const int controllate = argc > 2 ? std::atoi(argv[2]) : 1000;
  for (const bool tls : {false, true})
    if (Confronta(tls, foto, controllate) != 0) return 1;
  return 0;
}
