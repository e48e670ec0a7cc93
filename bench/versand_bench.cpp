// "Pläne versenden" for 2,000 families: Kalumo's CPU per message, for building it (text,
// calendar file, plan as PDF, MIME) and for handing it to libcurl. The server sets the
// pace of a real run; the target is well under 5 ms of our CPU per message.
//
// The sink is a minimal SMTP responder on 127.0.0.1 in a thread of its own. Google
// Benchmark's CPU time is the benchmark thread's, so the sink's work is not counted.
#include "druck_umgebung.h"
#include "mailanhang.h"
#include "versand.h"

#include <QDate>
#include <QDateTime>
#include <QTemporaryDir>
#include <arpa/inet.h>
#include <atomic>
#include <cstring>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

/// Takes every message: 250 to everything, 354 to DATA, then reads to the lone dot.
class TSenke {
public:
    TSenke()
    {
        m_lauscher = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = 0;
        socklen_t n = sizeof a;
        if (m_lauscher < 0 || ::bind(m_lauscher, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0
            || ::listen(m_lauscher, 4) != 0 || ::getsockname(m_lauscher, reinterpret_cast<sockaddr*>(&a), &n) != 0)
            return;
        m_port = ntohs(a.sin_port);
        m_faden = std::thread([this] { laufe(); });
    }
    ~TSenke()
    {
        m_ende = true;
        ::shutdown(m_lauscher, SHUT_RDWR);
        ::close(m_lauscher);
        if (m_faden.joinable())
            m_faden.join();
    }
    int Port() const { return m_port; }
    int Mails() const { return m_mails; }

private:
    void laufe()
    {
        while (!m_ende) {
            const int v = ::accept(m_lauscher, nullptr, nullptr);
            if (v < 0)
                return;
            sitzung(v);
            ::close(v);
        }
    }

    static bool sende(int v, const char* text) { return ::send(v, text, strlen(text), MSG_NOSIGNAL) > 0; }

    void sitzung(int v)
    {
        sende(v, "220 senke ESMTP\r\n");
        std::string puffer;
        bool daten = false;
        char block[65536];
        for (;;) {
            const ssize_t n = ::recv(v, block, sizeof block, 0);
            if (n <= 0)
                return;
            puffer.append(block, size_t(n));
            for (;;) {
                if (daten) {
                    const size_t ende = puffer.find("\r\n.\r\n");
                    if (ende == std::string::npos) {
                        // Keep only what could still begin the end marker.
                        if (puffer.size() > 4)
                            puffer.erase(0, puffer.size() - 4);
                        break;
                    }
                    puffer.erase(0, ende + 5);
                    daten = false;
                    ++m_mails;
                    sende(v, "250 angenommen\r\n");
                    continue;
                }
                const size_t zeilenende = puffer.find("\r\n");
                if (zeilenende == std::string::npos)
                    break;
                const std::string zeile = puffer.substr(0, zeilenende);
                puffer.erase(0, zeilenende + 2);
                if (zeile.rfind("EHLO", 0) == 0 || zeile.rfind("ehlo", 0) == 0) {
                    sende(v, "250-senke\r\n250 8BITMIME\r\n");
                } else if (zeile == "DATA" || zeile == "data") {
                    daten = true;
                    // DATA's lone dot may follow the blank line curl begins with.
                    puffer.insert(0, "\r\n");
                    sende(v, "354 weiter\r\n");
                } else if (zeile == "QUIT" || zeile == "quit") {
                    sende(v, "221 tschuess\r\n");
                    return;
                } else {
                    sende(v, "250 OK\r\n");
                }
            }
        }
    }

    int m_lauscher = -1;
    int m_port = 0;
    std::thread m_faden;
    std::atomic<bool> m_ende{false};
    std::atomic<int> m_mails{0};
};

struct TVersandTag {
    TSprechtag tag;
    Versand::TAngaben angaben;

    explicit TVersandTag(int eltern)
    {
        DruckBench::SorgeFuerAnwendung();
        DruckBench::BerechneterTag(tag, eltern);
        int i = 0;
        for (const auto& e : tag.Eltern)
            e.record->EMail = {QStringLiteral("familie%1@eltern.example.org").arg(++i)};
        angaben.Schule = QStringLiteral("Gesamtschule Süd");
        angaben.Datum = QDate(2026, 12, 10);
        angaben.Stempel = QDateTime(QDate(2026, 12, 1), QTime(12, 0), Qt::UTC);
        angaben.Absender = QStringLiteral("sekretariat@schule.example.org");
        angaben.AbsenderName = angaben.Schule;
    }

    Versand::TNachrichten Baue() const
    {
        return MailAnhang::BaueMitPdf(tag, Versand::TEmpfaenger::Eltern, angaben, angaben.Schule, angaben.Stempel);
    }
};

/// Time per message (CPU unless the benchmark measures real time).
benchmark::Counter JeNachricht(double nachrichten)
{
    return benchmark::Counter(nachrichten, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Text, calendar file and MIME alone: what the PDF adds is the difference to the next.
void BM_NachrichtenOhnePdf(benchmark::State& state)
{
    const TVersandTag t(int(state.range(0)));
    size_t nachrichten = 0, bytes = 0;
    for (auto _ : state) {
        const Versand::TNachrichten n = Versand::Baue(t.tag, Versand::TEmpfaenger::Eltern, t.angaben);
        bytes = 0;
        for (const Versand::TNachricht& m : n.Liste)
            bytes += size_t(Versand::Mime(m.Mail).size());
        nachrichten = n.Liste.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["Nachrichten"] = double(nachrichten);
    state.counters["je Nachricht"] = JeNachricht(double(nachrichten));
}

void BM_NachrichtenBauen(benchmark::State& state)
{
    const TVersandTag t(int(state.range(0)));
    size_t nachrichten = 0, bytes = 0;
    for (auto _ : state) {
        const Versand::TNachrichten n = t.Baue();
        bytes = 0;
        for (const Versand::TNachricht& m : n.Liste)
            bytes += size_t(Versand::Mime(m.Mail).size());
        nachrichten = n.Liste.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["Nachrichten"] = double(nachrichten);
    state.counters["kB je Nachricht"] = double(bytes) / 1024.0 / double(std::max<size_t>(1, nachrichten));
    state.counters["je Nachricht"] = JeNachricht(double(nachrichten));
}

void BM_VersandAnSenke(benchmark::State& state)
{
    const TVersandTag t(int(state.range(0)));
    TSenke senke;
    if (!senke.Port()) {
        state.SkipWithError("Die Senke auf 127.0.0.1 ließ sich nicht öffnen.");
        return;
    }
    size_t nachrichten = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir ordner;
        state.ResumeTiming();
        const Versand::TNachrichten n = t.Baue();
        Versand::TLauf lauf;
        lauf.Server.Host = QStringLiteral("127.0.0.1");
        lauf.Server.Port = senke.Port();
        lauf.Server.Tls = Versand::TTls::Keine;
        lauf.Absender = t.angaben.Absender;
        lauf.Protokoll = ordner.filePath(QStringLiteral("tag.versand.csv"));
        lauf.PauseMs = 0;
        const Versand::TLaufBericht b = Versand::Versende(n.Liste, lauf);
        if (!b.AllesAngenommen())
            state.SkipWithError(Versand::Zusammenfassung(b).toStdString().c_str());
        nachrichten = n.Liste.size();
    }
    state.counters["Nachrichten"] = double(nachrichten);
    state.counters["angekommen"] = senke.Mails();
    state.counters["je Nachricht"] = JeNachricht(double(nachrichten));
}

} // namespace

BENCHMARK(BM_NachrichtenOhnePdf)->Arg(2000)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_NachrichtenBauen)->Arg(2000)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_VersandAnSenke)->Arg(2000)->Unit(benchmark::kMillisecond)->Iterations(2);
