#include "shell/certificate_window_wiring.hpp"

#include "records/ui/baptism_window.hpp"
#include "records/ui/birth_window.hpp"
#include "shell/child_window_table.hpp"

// This file declares no Qt slots; the keyword macro would rewrite PersonCard::slots.
#undef slots

namespace vl {
namespace {

// A window's place as the table keeps it.
class TablePlace : public CertificatePlace {
 public:
  TablePlace(ChildWindowTable& table, int index) : table_(table), index_(index) {}
  CertificateRecord& Record() override { return *Place().record; }
  uint16_t& Modified() override { return Place().modified; }
  int16_t& Current() override { return Place().current; }
  void Close() override { table_.CloseChild(index_, 0); }
  // As browsing past the last certificate does.
  void StartNewRecord() override {
    ChildPlace& place = Place();
    place.record = CertificateRecord::New(place.kind);
    place.person = nullptr;
    place.current = -1;
    place.modified = 0;
    if (place.content != nullptr) place.content->ShowPlaceData();
  }

 private:
  ChildPlace& Place() { return table_.place(index_); }
  ChildWindowTable& table_;
  int index_;
};

// The place comes first so that it exists while the window fills itself.
struct TablePlaceHolder {
  TablePlace tablePlace;
};

template <typename Window>
class TableCertificateWindow : private TablePlaceHolder, public Window, public ChildContent {
 public:
  TableCertificateWindow(ChildWindowTable& table, int index, const CertificateServices& services)
      : TablePlaceHolder{TablePlace(table, index)}, Window(tablePlace, services) {}
  QWidget* Widget() override { return this; }
  bool SaveRecord() override { return Window::SaveRecord(); }
  void ShowPlaceData() override { Window::ShowPlaceData(); }
  void RunChildCommand(int id) override { Window::RunChildCommand(id); }
};

// Lives as long as the table, so that every window may keep a reference.
class ServicesHolder : public QObject {
 public:
  ServicesHolder(CertificateServices services, QObject* parent) : QObject(parent), services(std::move(services)) {}
  CertificateServices services;
};

}  // namespace

void RegisterCertificateWindows(ChildWindowTable& table, CertificateServices services) {
  auto* holder = new ServicesHolder(std::move(services), &table);
  table.Register(0, [holder](ChildWindowTable& t, int index) -> ChildContent* {
    return new TableCertificateWindow<BirthWindow>(t, index, holder->services);
  });
  table.Register(3, [holder](ChildWindowTable& t, int index) -> ChildContent* {
    return new TableCertificateWindow<BaptismWindow>(t, index, holder->services);
  });
}

}  // namespace vl
