#include "encryption/Frm_Password2.h"

#include "encryption/BloccoControllo.h"
#include "encryption/Selezione.h"
#include "generator/Frm_Crea_Password.h"
#include "platform/LettoreAvi.h"
#include "shell/Frm_Avanzamento.h"
#include "shell/Frm_Principale.h"
#include "shell/common/Clessidra.h"
#include "shell/common/Errore.h"
#include "shell/common/Finestre.h"
#include "shell/common/Globali.h"
#include "shell/common/Messaggi.h"
#include "shell/common/Predefinito.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace klavo {

namespace {

const QString Vero = QStringLiteral("True");
const QString Falso = QStringLiteral("False");

QLineEdit* CasellaPassword(QWidget* padre, const QString& nome) {
    auto* t = new QLineEdit(padre);
    t->setObjectName(nome);
    t->setEchoMode(QLineEdit::Password);
    t->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    return t;
}

QString TitoloAlgoritmo(QChar lettera) {
    return lettera == QLatin1Char('V') ? QStringLiteral("Algoritmo Veloce")
                                       : QStringLiteral("Algoritmo Sicuro");
}

// A locked box painted in the dialog's own colour, so that it reads as absent.
void Spegni(QLineEdit* casella) {
    casella->setEnabled(false);
    QPalette p = casella->palette();
    p.setColor(QPalette::Disabled, QPalette::Base, casella->palette().color(QPalette::Window));
    casella->setPalette(p);
}

} // namespace

Frm_Password2::Frm_Password2() : QWidget(nullptr, Qt::Dialog) {
    setObjectName(QStringLiteral("Frm_Password2"));

    Picture1 = new QFrame(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameShape(QFrame::StyledPanel);
    Animation1 = new LettoreAvi(Picture1);
    Animation1->setObjectName(QStringLiteral("Animation1"));
    Animation1->setFixedSize(136, 28);
    (new QHBoxLayout(Picture1))->addWidget(Animation1);

    Lbl_Password = new QLabel(QStringLiteral("Password"), this);
    Lbl_Password->setObjectName(QStringLiteral("Lbl_Password"));
    Txt_Password = CasellaPassword(this, QStringLiteral("Txt_Password"));
    Lbl_Conferma = new QLabel(QStringLiteral("Conferma Password"), this);
    Lbl_Conferma->setObjectName(QStringLiteral("Lbl_Conferma"));
    Txt_Conferma = CasellaPassword(this, QStringLiteral("Txt_Conferma"));
    Txt_Conferma->setToolTip(QStringLiteral("Digitare nuovamente la Password"));

    Frame1 = new QGroupBox(QStringLiteral("Opzioni"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Chk_BruteForce = new QCheckBox(QStringLiteral("Anti Brute-Force"), Frame1);
    Chk_BruteForce->setObjectName(QStringLiteral("Chk_BruteForce"));
    Chk_BruteForce->setToolTip(
        QStringLiteral("Rende impossibile decriptare il file con la tecnica 'Brute Force'"));
    (new QVBoxLayout(Frame1))->addWidget(Chk_BruteForce);

    Cmd_OK = new QPushButton(QStringLiteral("OK"), this);
    Cmd_OK->setObjectName(QStringLiteral("Cmd_OK"));
    RendiPredefinito(Cmd_OK);
    Cmd_Annulla = new QPushButton(QStringLiteral("Annulla"), this);
    Cmd_Annulla->setObjectName(QStringLiteral("Cmd_Annulla"));
    Cmd_Annulla->setShortcut(QKeySequence(Qt::Key_Escape));
    Cmd_Crea = new QPushButton(QStringLiteral("..."), this);
    Cmd_Crea->setObjectName(QStringLiteral("Cmd_Crea"));
    Cmd_Crea->setToolTip(QStringLiteral("Crea Password"));
    // Enabled by the encrypting modes only.
    Cmd_Crea->setEnabled(false);
    Cmd_Help = new QPushButton(QStringLiteral("?"), this);
    Cmd_Help->setObjectName(QStringLiteral("Cmd_Help"));

    Lbl_NomeFile = new QLabel(this);
    Lbl_NomeFile->setObjectName(QStringLiteral("Lbl_NomeFile"));
    Lbl_Encrypt = new QLabel(this);
    Lbl_Encrypt->setObjectName(QStringLiteral("Lbl_Encrypt"));
    Lbl_JustAFile = new QLabel(this);
    Lbl_JustAFile->setObjectName(QStringLiteral("Lbl_JustAFile"));
    for (QLabel* l : {Lbl_NomeFile, Lbl_Encrypt, Lbl_JustAFile})
        l->hide();

    auto* griglia = new QGridLayout(this);
    griglia->addWidget(Picture1, 0, 0, 1, 3);
    griglia->addWidget(Lbl_Password, 1, 0);
    griglia->addWidget(Txt_Password, 1, 1);
    griglia->addWidget(Cmd_Crea, 1, 2);
    griglia->addWidget(Lbl_Conferma, 2, 0);
    griglia->addWidget(Txt_Conferma, 2, 1);
    griglia->addWidget(Frame1, 3, 0, 1, 3);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(Cmd_OK);
    pulsanti->addWidget(Cmd_Annulla);
    pulsanti->addWidget(Cmd_Help);
    griglia->addLayout(pulsanti, 4, 0, 1, 3);

    connect(Cmd_OK, &QPushButton::clicked, this, &Frm_Password2::Cmd_OK_Click);
    connect(Cmd_Annulla, &QPushButton::clicked, this, &Frm_Password2::Cmd_Annulla_Click);
    connect(Cmd_Help, &QPushButton::clicked, this, &Frm_Password2::Cmd_Help_Click);
    // The generator opens beside the dialog; nothing is copied back by itself.
    connect(Cmd_Crea, &QPushButton::clicked, this,
            [] { finestre::Finestra<Frm_Crea_Password>().show(); });
    connect(Chk_BruteForce, &QCheckBox::stateChanged, this, &Frm_Password2::Chk_BruteForce_Click);

    // Load.
    if (auto* principale = finestre::SeCaricata<Frm_Principale>())
        principale->hide();
    const QString clip = FileProgramma(QStringLiteral("Main.avi"));
    if (QFileInfo::exists(clip) && Animation1->Apri(clip))
        Animation1->Riproduci();
}

Frm_Password2& Frm_Password2::Apri(Modo modo, const QString& percorso) {
    Frm_Password2& d = finestre::Finestra<Frm_Password2>();
    d.show();
    const bool cripta = modo == Modo::CriptaFile || modo == Modo::CriptaCartella;
    const bool singolo = modo == Modo::CriptaFile || modo == Modo::DecriptaFile;
    d.Lbl_NomeFile->setText(percorso);
    d.Lbl_Encrypt->setText(cripta ? Vero : Falso);
    d.Lbl_JustAFile->setText(singolo ? Vero : Falso);
    if (cripta) {
        d.setWindowTitle(TitoloAlgoritmo(
            AlgoritmoCodifica.isEmpty() ? QChar() : AlgoritmoCodifica.front().toUpper()));
        d.Chk_BruteForce->setChecked(false);
        d.Chk_BruteForce->setEnabled(true);
        d.Cmd_Crea->setEnabled(true);
    } else if (singolo) {
        d.setWindowTitle(TitoloAlgoritmo(LetteraAlgoritmo(percorso)));
        d.Lbl_Conferma->setEnabled(false);
        Spegni(d.Txt_Conferma);
        d.Chk_BruteForce->setChecked(LetteraProtezione(percorso) == QLatin1Char('F'));
        d.Chk_BruteForce->setEnabled(false);
    } else {
        d.setWindowTitle(QStringLiteral("Decripta cartella"));
        Spegni(d.Txt_Conferma);
        d.Chk_BruteForce->setEnabled(false);
    }
    d.Txt_Password->setFocus();
    return d;
}

bool Frm_Password2::Cripta() const {
    return Lbl_Encrypt->text() == Vero;
}

void Frm_Password2::Chk_BruteForce_Click() {
    if (Chk_BruteForce->isChecked() && Cripta())
        Msg(QStringLiteral("Anti Brute Force selezionata.\r\n\r\nSe la password è errata, i file "
                           "verranno decriptati in modo non corretto!\r\nI dati potrebbero andare "
                           "persi. Consultare la guida in linea."),
            Icona::Esclamazione);
}

void Frm_Password2::Cmd_Annulla_Click() {
    finestre::Scarica(this);
}

void Frm_Password2::Cmd_Help_Click() {
    Piattaforma::attuale().MostraGuida(FileProgramma(QStringLiteral("VLHLP.hlp")));
    Cmd_OK->setFocus();
}

bool Frm_Password2::Convalida(const QString& password) {
    if (password.size() > LunghezzaMassimaPassword) {
        Msg(QStringLiteral("La Password non può essere lunga più di 99 caratteri."),
            Icona::Informazione);
        Txt_Password->setFocus();
        Txt_Password->selectAll();
        return false;
    }
    if (password.isEmpty()) {
        Msg(QStringLiteral("Digitare la Password"), Icona::Esclamazione);
        Txt_Password->setFocus();
        return false;
    }
    if (Cripta() && Txt_Conferma->text().isEmpty()) {
        Msg(QStringLiteral("Per continuare occorre digitare nuovamente la password."),
            Icona::Informazione);
        Txt_Conferma->setFocus();
        return false;
    }
    if (Cripta() && Txt_Conferma->text() != password) {
        Msg(QStringLiteral("Sono state inserite due Password diverse.\r\nDigitare nuovamente la "
                           "Password, quindi confermarla."),
            Icona::Errore);
        Txt_Password->clear();
        Txt_Conferma->clear();
        Txt_Password->setFocus();
        return false;
    }
    // A password the cipher would refuse for every file is refused once, here.
    if (const auto rifiuto = RifiutoPassword(password, Cripta(), Chk_BruteForce->isChecked())) {
        Msg(rifiuto->testo, rifiuto->icona, Pulsanti::OK, rifiuto->titolo);
        Txt_Password->setFocus();
        Txt_Password->selectAll();
        return false;
    }
    if (!Cripta() && Lbl_JustAFile->text() == Vero && !Chk_BruteForce->isChecked()) {
        try {
            if (!PasswordCorretta(Lbl_NomeFile->text(), password)) {
                Msg(QStringLiteral("Password non valida."), Icona::Errore);
                Txt_Password->setFocus();
                return false;
            }
        } catch (const Errore& e) {
            Msg(e.messaggio(), Icona::Errore);
            Txt_Password->setFocus();
            return false;
        }
    }
    return true;
}

void Frm_Password2::Cmd_OK_Click() {
    if (inCorsa_)
        return;
    const QString password = Txt_Password->text();
    if (!Convalida(password))
        return;
    if (Lbl_JustAFile->text() == Vero)
        EseguiFile(password);
    else
        EseguiLista(password);
}

void Frm_Password2::EseguiFile(const QString& password) {
    const QString file = Lbl_NomeFile->text();
    inCorsa_ = true;
    {
        Clessidra clessidra;
        if (Cripta()) {
            std::optional<BloccoCorsa> blocco;
            try {
                blocco.emplace(password);
            } catch (const Errore& e) {
                Msg(e.messaggio(), Icona::Errore);
                inCorsa_ = false;
                return;
            }
            MostraAvanzamento(QStringLiteral("Cripta File"));
            Codifica(AlgoritmoImpostato(AlgoritmoCodifica), file, true, true, password,
                     Chk_BruteForce->isChecked(), *this);
        } else {
            MostraAvanzamento(QStringLiteral("Decripta File"));
            bool valida = true;
            if (Chk_BruteForce->isChecked()) {
                LunghezzaDati = QFileInfo(file).size();
            } else {
                // Checked again: the file may have changed since OK was pressed.
                try {
                    valida = PasswordCorretta(file, password);
                    if (!valida)
                        Msg(QStringLiteral("Password non valida."), Icona::Errore);
                } catch (const Errore& e) {
                    Msg(e.messaggio(), Icona::Errore);
                    valida = false;
                }
            }
            if (valida)
                Codifica(LetteraAlgoritmo(file) == QLatin1Char('S') ? Algoritmo::Sicuro
                                                                    : Algoritmo::Veloce,
                         file, false, true, password, Chk_BruteForce->isChecked(), *this);
        }
        ChiudiAvanzamento();
    }
    inCorsa_ = false;
    if (DaRigaComando) {
        Piattaforma::attuale().TerminaProgramma();
        return;
    }
    finestre::Scarica(this);
}

void Frm_Password2::EseguiLista(const QString& password) {
    inCorsa_ = true;
    if (Cripta())
        CriptaLista(password);
    else
        DecriptaLista(password);
    inCorsa_ = false;
    Finisci();
}

namespace {

const QString StatoCriptato = QStringLiteral("   (Criptato)");
const QString StatoDecriptato = QStringLiteral("   (Decriptato)");
const QString StatoPasswordNonValida = QStringLiteral("   (Password non valida)");

qsizetype Selezionati(const QListWidget& lista) {
    return lista.selectedItems().size();
}

// The bar after entry i: by the selected entries handled so far, so that the last selected entry
// fills the track and no more.
void AvanzaBarra(qsizetype fatti, qsizetype totale) {
    if (auto* a = finestre::SeCaricata<Frm_Avanzamento>()) {
        a->ImpostaLarghezzaBarra(
            LarghezzaAvanzamento(Frm_Avanzamento::LarghezzaTraccia, fatti, totale));
        a->repaint();
    }
}

} // namespace

void Frm_Password2::CriptaLista(const QString& password) {
    Frm_Principale& principale = finestre::Finestra<Frm_Principale>();
    QListWidget& lista = *principale.List1;
    const QString cartella = Lbl_NomeFile->text();
    const qsizetype totale = Selezionati(lista);
    Clessidra clessidra;
    std::optional<BloccoCorsa> blocco;
    try {
        blocco.emplace(password);
    } catch (const Errore& e) {
        Msg(e.messaggio(), Icona::Errore);
        return;
    }
    MostraAvanzamento(QStringLiteral("Cripta File selezionati"));
    const Algoritmo algoritmo = AlgoritmoImpostato(AlgoritmoCodifica);
    qsizetype fatti = 0;
    for (int i = 0; i < lista.count(); ++i) {
        QListWidgetItem* voce = lista.item(i);
        if (voce->isSelected())
            ++fatti;
        AvanzaBarra(fatti, totale);
        if (!voce->isSelected() || FileCriptato(voce->text()))
            continue;
        Codifica(algoritmo, PercorsoVoce(cartella, voce->text()), true, false, password,
                 Chk_BruteForce->isChecked(), *this);
        voce->setText(voce->text() + StatoCriptato);
        voce->setSelected(false);
    }
}

void Frm_Password2::DecriptaLista(const QString& password) {
    Frm_Principale& principale = finestre::Finestra<Frm_Principale>();
    QListWidget& lista = *principale.List1;
    const QString cartella = Lbl_NomeFile->text();
    const qsizetype totale = Selezionati(lista);
    if (principale.List1_Tag == QLatin1String("WARNING") &&
        Msg(QStringLiteral("La cartella contiene file criptati con ANTI BRUTE FORCE. Questi file "
                           "andranno persi se la password non è corretta!\r\n\r\nScegliere OK "
                           "per procedere ugualmente, Annulla per annullare l'operazione."),
            Icona::Esclamazione, Pulsanti::OKAnnulla, TitoloProgramma,
            Risposta::Annulla) != Risposta::OK)
        return;
    Clessidra clessidra;
    MostraAvanzamento(QStringLiteral("Decripta File selezionati"));
    qsizetype fatti = 0;
    for (int i = 0; i < lista.count(); ++i) {
        QListWidgetItem* voce = lista.item(i);
        if (voce->isSelected())
            ++fatti;
        AvanzaBarra(fatti, totale);
        if (!voce->isSelected())
            continue;
        const QString nome = voce->text();
        const QChar a = LetteraAlgoritmo(nome);
        const QChar p = LetteraProtezione(nome);
        const QString percorso = PercorsoVoce(cartella, nome);
        const bool noto = a == QLatin1Char('V') || a == QLatin1Char('S');
        const Algoritmo algoritmo = a == QLatin1Char('V') ? Algoritmo::Veloce : Algoritmo::Sicuro;
        if (noto && p == QLatin1Char('T')) {
            bool valida = false;
            try {
                valida = PasswordCorretta(percorso, password);
            } catch (const Errore& e) {
                // A block that cannot be read is told for this file; the run goes on.
                Msg(e.messaggio(), Icona::Errore);
            }
            if (!valida) {
                Msg(QStringLiteral("Password non valida per ") + nome, Icona::Errore);
                voce->setText(nome + StatoPasswordNonValida);
            } else {
                Chk_BruteForce->setChecked(false);
                Codifica(algoritmo, percorso, false, false, password, false, *this);
                voce->setText(nome + StatoDecriptato);
            }
        } else if (noto && p == QLatin1Char('F')) {
            LunghezzaDati = QFileInfo(percorso).size();
            Chk_BruteForce->setChecked(true);
            Codifica(algoritmo, percorso, false, false, password, true, *this);
            voce->setText(nome + StatoDecriptato);
        }
        voce->setSelected(false);
    }
}

void Frm_Password2::Finisci() {
    Frm_Principale& principale = finestre::Finestra<Frm_Principale>();
    principale.Cmd_Continua->setEnabled(false);
    principale.Cmd_Annulla->setText(QStringLiteral("OK"));
    ChiudiAvanzamento();
    finestre::Scarica(this);
    principale.Cmd_Annulla->setFocus();
}

bool Frm_Password2::ProseguiFileGrande(const Messaggio& domanda) {
    const bool si = Msg(domanda.testo, domanda.icona, domanda.pulsanti, domanda.titolo,
                        domanda.predefinito) == Risposta::Si;
    if (!si && Lbl_JustAFile->text() == Falso)
        ChiudiAvanzamento();
    return si;
}

void Frm_Password2::Mostra(const Messaggio& messaggio) {
    Msg(messaggio.testo, messaggio.icona, messaggio.pulsanti,
        messaggio.titolo.isEmpty() ? TitoloProgramma : messaggio.titolo, messaggio.predefinito);
}

void Frm_Password2::Avanzamento(qint64 blocco, qint64 megabyte) {
    auto* a = finestre::SeCaricata<Frm_Avanzamento>();
    if (!a)
        return;
    const qint64 larghezza = Frm_Avanzamento::LarghezzaTraccia * blocco / (megabyte + 1);
    a->ImpostaLarghezzaBarra(
        static_cast<int>(std::min<qint64>(larghezza, Frm_Avanzamento::LarghezzaTraccia)));
    a->repaint();
}

void Frm_Password2::ChiudiAvanzamento() {
    if (auto* a = finestre::SeCaricata<Frm_Avanzamento>())
        finestre::Scarica(a);
}

void Frm_Password2::closeEvent(QCloseEvent* evento) {
    // A run goes through to its end.
    if (inCorsa_) {
        evento->ignore();
        return;
    }
    evento->accept();
    finestre::Scarica(this);
    if (DaRigaComando) {
        Piattaforma::attuale().TerminaProgramma();
        return;
    }
    if (auto* principale = finestre::SeCaricata<Frm_Principale>())
        principale->show();
}

void MostraAvanzamento(const QString& titolo) {
    Frm_Avanzamento& a = finestre::Finestra<Frm_Avanzamento>();
    a.show();
    a.Timer1->stop();
    a.Lbl_Avanzamento->setText(QStringLiteral("Operazione in corso. Attendere..."));
    a.setWindowTitle(titolo);
    a.repaint();
}

} // namespace klavo
