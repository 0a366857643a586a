#pragma once
#include <QString>
#include <QStringView>

// Where this build put the program, its data tree and the helper programs, and where its
// sources are, for the tests and benchmarks that run or read them. The folder names live in one
// generated file only: compiled into every test object they would make each clone in another
// folder miss the compiler cache.
namespace built {

// The build folder: the program and its data tree.
QString programDir();
// The checkout.
QString sourceDir();
// The shared folder beside the checkout, with reference files; tests skip without it.
QString sharedDir();
// A helper program built for the tests and benchmarks, by its build target's name; empty when
// this build has no such target.
QString program(QStringView target);

} // namespace built
