#pragma once
// A frame on a temporary program home with a scripted prompter and a fixed clock.
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <vector>

#include "common/cp1252.hpp"
#include "common/program_home.hpp"
#include "common/scripted_prompter.hpp"
#include "storage/card_file.hpp"
#include "storage/card_file_header.hpp"
#include "storage/card_file_lifecycle.hpp"
#include "storage/card_file_store.hpp"
#include "shell/frame_window.hpp"
#include "common/ui/shared_look.hpp"

namespace vltest {

// Runs the action on the modal dialog of type D as soon as it is shown. A dialog that the action
// leaves open (after a failed check) is rejected, so that a failure never hangs the test.
// Pending attempts die with the context.
template <typename D>
void OnModal(QObject* context, std::function<void(D&)> action, int attempts = 400) {
  QTimer::singleShot(5, context, [context, action, attempts] {
    if (auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget())) {
      action(*dialog);
      if (dialog->isVisible()) dialog->reject();
    } else if (attempts > 0) {
      OnModal<D>(context, action, attempts - 1);
    }
  });
}

inline std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline uint16_t U16At(const std::vector<uint8_t>& bytes, size_t offset) {
  return static_cast<uint16_t>(bytes.at(offset) | (bytes.at(offset + 1) << 8));
}

// The NUL-terminated text of a fixed field.
inline std::string TextAt(const std::vector<uint8_t>& bytes, size_t offset, size_t size) {
  std::string text;
  for (size_t i = offset; i < offset + size && bytes.at(i) != 0; ++i) text.push_back(static_cast<char>(bytes[i]));
  return text;
}

struct FrameFixture {
  // boxes: the frame's prompter instead of the scripted one (which then only serves the fixture).
  explicit FrameFixture(vl::Prompter* boxes = nullptr) : home(dir.path().toStdString()) {
    home.EnsureDirectories();
    frame = std::make_unique<vl::FrameWindow>(home, boxes ? *boxes : prompter, clock, look, vl::FrameOptions{false});
    frame->resize(1280, 800);
    frame->show();
    QApplication::setActiveWindow(frame.get());
    if (!QTest::qWaitForWindowActive(frame.get())) qWarning("frame not active");
  }

  vl::StoreContext Context() { return vl::StoreContext{home.DataDir(), prompter, clock, nullptr}; }

  // A card file made by the core, as a test's starting point; returns its number.
  int MakeCardFile(const std::string& titleUtf8, const std::string& nameUtf8,
                   const std::function<void(vl::CardFile&)>& fill = {}) {
    vl::CardFile card(prompter);
    card.number = vl::ChooseNewCardFileNumber(Context());
    card.header.SetTitle(vl::Utf8ToCp1252(titleUtf8));
    card.header.SetOwnerName(vl::Utf8ToCp1252(nameUtf8));
    card.header.SetOwnerFirstName("Anna");
    vl::CreateCardFile(Context(), card);
    if (fill) {
      fill(card);
      vl::SaveCardFile(Context(), card);
    }
    return card.number;
  }

  std::filesystem::path DataFile(const std::string& name) const { return home.DataDir() / name; }

  QTemporaryDir dir;
  vl::ProgramHome home;
  vl::ScriptedPrompter prompter;
  vl::FixedClock clock{vl::TimeStamp{6, 12, 124, 14, 30}};
  vl::SharedLook look;
  std::unique_ptr<vl::FrameWindow> frame;
};

}  // namespace vltest
