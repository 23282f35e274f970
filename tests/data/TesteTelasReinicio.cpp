#include "data/TFDiaPrimEscala.h"
#include "data/TFInicReinicSist.h"
#include "shell/TFAbaManutencao.h"
#include "shell/TFManual.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioTelas.h"
#include "support/JanelaPrincipal.h"
#include "support/Registro.h"
#include "support/RoteiroModal.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

const QString Encerrada = QStringLiteral("A aplicação será encerrada. Reinicie logo em seguida");

// A screen shown offscreen on a register of one duty, two persons and
// history on both sides of 29/02/24 (today 10/03/24).
template <typename T> struct Tela {
    Tela()
        : t(Reinicio::Ambiente{a.sis->dm, a.sis->pasta, a.dialogos, a.relogio, a.sis->SlotsCores}) {
        a.Servico(1, "Of Dia");
        a.Militar("1", "Ana", 10, "Sd", "R");
        a.Militar("2", "Bia", 20);
        a.Membro(1, "1", 7, 2, "01/02/24", "04/02/24");
        a.Membro(1, "2", 8, 1);
        a.Historico(D(29, 2, 2024), 1, "Of Dia", "1");
        a.Historico(D(1, 3, 2024), 1, "Of Dia", "2");
        t.show();
        QApplication::processEvents();
    }
    ~Tela() {
        if (t.isVisible())
            t.done(0);
    }
    QLineEdit* Edit1() { return Controle<QLineEdit>(&t, "Edit1"); }
    QRadioButton* Item(const char* grupo, int i) {
        return Controle<QRadioButton>(&t,
                                      QStringLiteral("%1Item%2").arg(QLatin1String(grupo)).arg(i));
    }
    QString Texto(const char* nome) { return Controle<QLabel>(&t, nome)->text(); }
    void Clica(const char* botao) { Controle<QPushButton>(&t, botao)->click(); }
    // Every row of the 33 tables and the text files the screens rewrite.
    QStringList Estado() {
        QStringList r;
        for (const QString& tabela : DMGeral::NomesTabelas())
            for (const QStringList& l : a.Linhas(tabela))
                r << tabela + ':' + l.join('|');
        for (const QString& nome : PastaDados::ArquivosIni())
            r << nome + '=' + QString::fromLatin1(a.Bytes(nome).toHex())
              << QString::fromLatin1(a.Bytes("Ini" + nome).toHex());
        return r;
    }
    AmbienteTeste a;
    T t;
};

} // namespace

// The first-roster-day and reset screens, driven by their controls.
class TesteTelasReinicio : public QObject {
    Q_OBJECT
private slots:
    // Tomorrow offered; an invalid day refused with the screen open; a valid
    // one fixes the day, tells the program ends and closes.
    void primeiro_dia() {
        Tela<TFDiaPrimEscala> f;
        QCOMPARE(f.t.windowTitle(), QStringLiteral("Dia da Primeira Escalação"));
        QCOMPARE(f.Texto("Label1"), QStringLiteral("Entre com o dia da primeira escalação"));
        QCOMPARE(Controle<QPushButton>(&f.t, "BExecutar")->text(), QStringLiteral("Confirmar"));
        QCOMPARE(f.Edit1()->text(), QStringLiteral("11/03/24"));
        const QStringList antes = f.Estado();
        f.Edit1()->setText("30/02/24");
        f.a.dialogos.EsperaAviso("30/02/24 >>> Data inválida");
        f.Clica("BExecutar");
        QVERIFY(f.t.isVisible());
        QVERIFY(!f.t.EncerraPrograma());
        QCOMPARE(f.Estado(), antes);
        f.Edit1()->setText("01/03/24");
        f.a.dialogos.EsperaAviso("6. Informar o período de escalação e incluir feriados");
        bool fechadaNoAviso = false;
        f.a.dialogos.AntesDoAviso = [&] { fechadaNoAviso = !f.t.isVisible(); };
        f.Clica("BExecutar");
        QVERIFY(fechadaNoAviso);
        QVERIFY(!f.t.isVisible());
        QVERIFY(f.t.EncerraPrograma());
        QCOMPARE(f.a.Bytes("Escala.Txt"), QByteArray("29/02/24\r\n"));
        QCOMPARE(f.a.Bytes("DataIniFim.Txt"), QByteArray("29/02/24\r\n29/02/24\r\n"));
        QCOMPARE(f.a.Linhas("Hist").size(), 2); // no table touched
    }

    // The history choice follows the day typed and hides under "Eliminar".
    void escolhas() {
        Tela<TFInicReinicSist> f;
        QCOMPARE(f.t.windowTitle(), QStringLiteral("Iniciar / Reiniciar Sistema"));
        QCOMPARE(Controle<QGroupBox>(&f.t, "RGLimpaBD")->title(),
                 QStringLiteral("Dados dos Militares e das Escalas de Sv "));
        QCOMPARE(f.Item("RGLimpaBD", 1)->text(),
                 QStringLiteral("Eliminar (nº, nomes e serviços-Gda,Of Dia.etc)"));
        QCOMPARE(f.Texto("Label3"), QStringLiteral("Dia da primeira escalação >>"));
        QCOMPARE(f.Edit1()->text(), QStringLiteral("11/03/24"));
        QVERIFY(f.Item("RGLimpaBD", 0)->isChecked());
        QCOMPARE(f.Item("RGHistorico", 0)->text(),
                 QStringLiteral("Manter os registros anteriores a 11/03/24"));
        QCOMPARE(f.Item("RGHistorico", 1)->text(),
                 QStringLiteral("Eliminar (apaga todo o Arquivo Histórico)"));
        f.Item("RGHistorico", 1)->setChecked(true);
        f.Edit1()->setText("01/03/24");
        QCOMPARE(f.Item("RGHistorico", 0)->text(),
                 QStringLiteral("Manter os registros anteriores a  01/03/24"));
        QCOMPARE(f.Item("RGHistorico", 1)->text(),
                 QStringLiteral("Eliminar (apaga todo o Arquivo Histórico"));
        QVERIFY(f.Item("RGHistorico", 0)->isChecked());
        auto* historico = Controle<QGroupBox>(&f.t, "RGHistorico");
        f.Item("RGHistorico", 1)->setChecked(true);
        ClicaIndicador(f.Item("RGLimpaBD", 1));
        QVERIFY(!historico->isVisible());
        ClicaIndicador(f.Item("RGLimpaBD", 0));
        QVERIFY(historico->isVisible());
        QVERIFY(f.Item("RGHistorico", 1)->isChecked());
    }

    // "Manter" with the older history: memberships restarted, the history up
    // to 29/02/24, the warning counter at 3.
    void reinicio_mantendo() {
        Tela<TFInicReinicSist> f;
        f.Edit1()->setText("01/03/24");
        f.a.dialogos.EsperaAviso(Encerrada);
        f.Clica("BExecutar");
        QVERIFY(f.t.EncerraPrograma());
        QVERIFY(!f.t.isVisible());
        QCOMPARE(f.a.Linhas("Sv1"), QList<QStringList>({{"1", "3", "3", "13/05/09", "13/05/09"},
                                                        {"2", "3", "3", "13/05/09", "13/05/09"}}));
        QCOMPARE(f.a.Coluna("Basico", "PR"), QStringList({"", ""}));
        QCOMPARE(f.a.Coluna("Hist", "Dia"), QStringList({"2024-02-29"}));
        QCOMPARE(f.a.Bytes("Entradas.Txt"), QByteArray("3\r\n"));
        QCOMPARE(f.a.Bytes("Escala.Txt"), QByteArray("29/02/24\r\n"));
    }

    // "Sair" on either screen changes nothing and does not end the program.
    void sair() {
        {
            Tela<TFDiaPrimEscala> f;
            const QStringList antes = f.Estado();
            f.Edit1()->setText("01/03/24");
            f.Clica("BSair");
            QVERIFY(!f.t.isVisible());
            QVERIFY(!f.t.EncerraPrograma());
            QCOMPARE(f.Estado(), antes);
        }
        Tela<TFInicReinicSist> f;
        const QStringList antes = f.Estado();
        ClicaIndicador(f.Item("RGLimpaBD", 1));
        f.Clica("BSair");
        QVERIFY(!f.t.isVisible());
        QVERIFY(!f.t.EncerraPrograma());
        QCOMPARE(f.Estado(), antes);
    }

    // Item 5 with "Eliminar": the 33 tables empty, the working model reloaded
    // and the main window closed.
    void item5_encerra() {
        JanelaPrincipal j(
            [](AmbienteTeste& a) {
                a.Servico(1, "Of Dia");
                a.Militar("1", "Ana");
                a.Membro(1, "1");
                a.Historico(D(1, 3, 2024), 1, "Of Dia", "1");
            },
            true);
        j.Mostra(QStringLiteral("TabSheet2"));
        QVERIFY(j.p->isVisible());
        RoteiroModal roteiro;
        // The manual, opened beside the screen, goes too.
        roteiro.Quando("FInicReinicSist", [&j](QWidget* w) {
            j.p->FManual->Abre(QStringLiteral("029"));
            QVERIFY(j.p->FManual->isVisible());
            ClicaIndicador(Controle(w, "RGLimpaBDItem1"));
            Clica(w, "BExecutar");
        });
        j.p->AbaManutencao()->ExecutaItem(5);
        QVERIFY(roteiro.Cumprido());
        QVERIFY(j.a.dialogos.Textos.contains(Encerrada));
        QVERIFY(!j.p->isVisible());
        QVERIFY(!j.p->FManual->isVisible());
        // The first day offered was tomorrow, 11/03/24; the refresh read it.
        QCOMPARE(j.a.sis->UltimaEscala, D(10, 3, 2024));
        for (const QString& tabela : DMGeral::NomesTabelas())
            QVERIFY2(j.a.Linhas(tabela).isEmpty(), qPrintable(tabela));
    }
};

REGISTRA_TESTE(TesteTelasReinicio)
#include "TesteTelasReinicio.moc"
