// The file feed through the real window (offscreen, the bar stepping and painting) against
// the raw limit of the same rows over the same 64 MiB file, and against the same feed through
// a window that does nothing: what the window itself costs.
#include <QApplication>
#include <QCheckBox>

#include "digest/algorithms.h"
#include "file_pair.h"
#include "form/Unit1.h"
#include "ratio_main.h"

namespace {

using namespace bench;

void Ours(benchmark::State& state, Rows rows) {
    Form1->RadioButtonFile->setChecked(true);
    Form1->EditInputFile->SetText(QString::fromStdString(filePath()));
    for (std::size_t r = 0; r < digest::kAlgorithmCount; ++r)
        Form1->findChild<QCheckBox*>(QString("CheckBox") + digest::kAlgorithms[r].tag)
            ->setChecked(rows[r]);
    for (auto _ : state)
        Form1->Button1Click(Form1->Button1);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kFileSize));
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    Unit1::Initialize();
    Form1 = new TForm1();
    Form1->show();
    QApplication::processEvents();

    registerPair("window, file 64 MiB, all sixteen", allBut(-1), 3, &Ours);
    registerPair("window, file 64 MiB, Adler32 alone", only(digest::row::ADLER32), 9, &Ours);
    registerPair("window over a fake one, all sixteen", allBut(-1), 3, &Ours, &FakeWindowFeed);
    registerPair("window over a fake one, Adler32 alone", only(digest::row::ADLER32), 9, &Ours,
                 &FakeWindowFeed);
    const int result = bench::runWithRatios(argc, argv);
    delete Form1;
    Unit1::Finalize();
    return result;
}
