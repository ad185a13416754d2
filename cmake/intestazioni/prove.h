// And for the tests.
#pragma once
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
