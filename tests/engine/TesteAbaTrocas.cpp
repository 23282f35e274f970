#include "engine/TFAbaTrocas.h"
#include "support/ApoioEscala.h"
#include "support/ApoioTelas.h"
#include "support/JanelaPrincipal.h"
#include "support/Registro.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

namespace {

// The main window on the swap register, shown on "Trocas Sv".
struct Aba : JanelaPrincipal {
    Aba() : JanelaPrincipal(RegistroDaTroca) {
        Mostra(QStringLiteral("TabSheet4"));
        aba = p->AbaTrocas();
    }
    template <typename T = QWidget> T* C(const QString& nome) { return Controle<T>(aba, nome); }
    void Abre(const char* linha) { QTest::mouseClick(C<QLabel>(linha), Qt::LeftButton); }
    // Chooses the entry of duty sv as the operator does (activation).
    void Escolhe(const char* combo, int sv) {
        auto* c = C<QComboBox>(combo);
        c->setCurrentIndex(sv - 1);
        emit c->activated(sv - 1);
    }
    void Digita(const char* campo, const QString& texto) {
        C<QLineEdit>(campo)->clear();
        QTest::keyClicks(C<QLineEdit>(campo), texto);
    }
    bool Visivel(const char* nome) { return C(nome)->isVisible(); }
    TFAbaTrocas* aba = nullptr;
};

} // namespace

// The "Trocas Sv" tab driven as the operator drives it.
class TesteAbaTrocas : public QObject {
    Q_OBJECT
private slots:
    void passos() {
        Aba t;
        QVERIFY(t.Visivel("Label32") && t.Visivel("Label45"));
        for (const char* n : {"ComboBox1", "Edit2", "ListBox3", "Edit3", "Button9"})
            QVERIFY2(!t.Visivel(n), n);
        t.Abre("Label32");
        QVERIFY(t.Visivel("ComboBox1") && t.Visivel("ListBox3") && !t.Visivel("Edit3"));
        QCOMPARE(t.C<QLineEdit>("Edit2")->text(), QStringLiteral("10/03/24"));
        QCOMPARE(t.C<QComboBox>("ComboBox1")->itemText(1), QStringLiteral("2   Guarda"));
        t.Abre("Label45");
        QVERIFY(t.Visivel("Edit3") && t.Visivel("GroupBox1") && !t.Visivel("ListBox3"));
        QCOMPARE(t.C<QLineEdit>("Edit5")->text(), QStringLiteral("10/03/24"));
        QVERIFY(t.C<QRadioButton>("RadioButton1")->isChecked());
        QCOMPARE(t.p->focusWidget(), t.C("Edit3"));
    }

    void listar_e_limpar() {
        Aba t;
        t.Abre("Label32");
        t.a.dialogos.EsperaAviso("Você deve selecionar um serviço");
        Clica(t.aba, "Listar");
        t.Escolhe("ComboBox1", 2);
        t.Digita("Edit2", "12/03/24");
        Clica(t.aba, "Listar");
        QCOMPARE(Itens(t.C<QListWidget>("ListBox3")).size(), 3);
        Clica(t.aba, "Listar");
        QCOMPARE(Itens(t.C<QListWidget>("ListBox3")).size(), 6); // appended
        Clica(t.aba, "Limpar");
        QVERIFY(Itens(t.C<QListWidget>("ListBox3")).isEmpty());
        t.a.dialogos.EsperaAviso("O serviço escolhido não está cadastrado");
        t.Escolhe("ComboBox1", 1);
        Clica(t.aba, "Listar");
    }

    // A swap through the tab: the tables change, the fields empty.
    void executar() {
        Aba t;
        t.Abre("Label45");
        t.Digita("Edit3", "7");
        t.Digita("Edit4", "30");
        t.Digita("Edit5", "05/03/24");
        t.Escolhe("ComboBox2", 2);
        Clica(t.aba, "A e B");
        Clica(t.aba, "Executar");
        QCOMPARE(t.a.Coluna("Hist", "Num").at(0), QStringLiteral("12 7 30 "));
        QVERIFY(t.C<QLineEdit>("Edit3")->text().isEmpty());
        QVERIFY(t.C<QLineEdit>("Edit5")->text().isEmpty());
        QVERIFY(t.Visivel("GroupBox1"));
    }

    // With A or B "0" the count choice is hidden and none is chosen; with two
    // persons it shows again as it was.
    void computar_so_com_dois_militares() {
        Aba t;
        t.Abre("Label45");
        t.Digita("Edit3", "0");
        t.Digita("Edit4", "30");
        t.Escolhe("ComboBox2", 2);
        QVERIFY(!t.Visivel("GroupBox1") && !t.Visivel("Label50"));
        QVERIFY(!t.C<QRadioButton>("RadioButton1")->isChecked());
        QVERIFY(!t.C<QRadioButton>("RadioButton2")->isChecked());
        t.Digita("Edit5", "05/03/24");
        Clica(t.aba, "Executar");
        QCOMPARE(t.a.Coluna("Hist", "Num").at(0), QStringLiteral("12 7 30 "));
        QVERIFY(t.a.dialogos.Textos.isEmpty());
    }
};

REGISTRA_TESTE(TesteAbaTrocas)
#include "TesteAbaTrocas.moc"
