#pragma once

#include <QIcon>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QScrollArea;
class QSlider;
class QVBoxLayout;

namespace korvel {

class SegmentedControl;
class ToggleSwitch;

// What sits at the right end of a row.
// A Stepper is a minus and a plus button: exact values a finger cannot hit on a slider.
enum class Accessory { None, Disclosure, Checkmark, Switch, TextField, Segmented, Slider, Stepper };
// Where a row's detail text goes: under the title, or at the right end like a value.
enum class DetailStyle { Subtitle, Value };

struct TableRow {
    int id = 0;  // the row's identity for the screen; selection reports it
    QString title;
    QString detail;
    QString image;  // a built-in image's name; `icon` wins when set
    QIcon icon;
    Accessory accessory = Accessory::None;
    DetailStyle detailStyle = DetailStyle::Subtitle;
    bool checked = false;  // Checkmark and Switch
    QString text;          // TextField
    QString placeholder;
    bool secure = false;
    QStringList segments;  // Segmented
    int selectedSegment = -1;
    double value = 0.0;  // Slider and Stepper
    double minimum = 0.0;
    double maximum = 1.0;
    double step = 1.0;   // Stepper: one press
    bool wraps = false;  // Stepper: past the maximum comes the minimum (times of day)
    bool enabled = true;
    bool destructive = false;  // an action row such as "Delete", in the destructive colour
    bool detailWarning = false;  // the detail tells of a problem (a missing file), in the same colour
};

struct TableSection {
    QString header;
    QString footer;
    QList<TableRow> rows;
};

// One row: image, title with detail, accessory. Highlights while a finger is on it and reports
// a tap when the finger is lifted on it without having scrolled.
class TableCell final : public QWidget {
    Q_OBJECT
public:
    TableCell(const TableRow& row, QWidget* parent);

    const TableRow& row() const { return m_row; }
    QLabel* titleLabel() const { return m_title; }
    QLabel* detailLabel() const { return m_detail; }
    // The accessory's control; nullptr when the row has another kind.
    ToggleSwitch* toggle() const { return m_switch; }
    QLineEdit* textField() const { return m_field; }
    SegmentedControl* segmentedControl() const { return m_segments; }
    QSlider* slider() const { return m_slider; }
    QAbstractButton* stepDownButton() const { return m_stepDown; }
    QAbstractButton* stepUpButton() const { return m_stepUp; }
    void setLast(bool last);
    // Marks or unmarks a Checkmark row in place.
    void setChecked(bool checked);
    bool isHighlighted() const { return m_pressed; }
    // Where the chevron or check mark is drawn, at the row's end; empty for other accessories.
    QRect accessoryRect() const;

Q_SIGNALS:
    void tapped();
    void switchToggled(bool on);
    void textChanged(const QString& text);
    void segmentChanged(int index);
    // A Slider or Stepper row's new value.
    void sliderChanged(double value);

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void placeMargins();

    TableRow m_row;
    QLabel* m_image = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_detail = nullptr;
    ToggleSwitch* m_switch = nullptr;
    QLineEdit* m_field = nullptr;
    SegmentedControl* m_segments = nullptr;
    QSlider* m_slider = nullptr;
    QAbstractButton* m_stepDown = nullptr;
    QAbstractButton* m_stepUp = nullptr;
    QPoint m_pressAt;
    bool m_pressed = false;
    bool m_last = false;
    int m_textLeft = 0;
};

// A grouped table like a settings screen: sections with a header and a footer, rows in rounded
// groups, an optional search field that filters rows by title and detail, and a text of its own
// when there is nothing to list. Scrolls with a finger.
class TableView final : public QWidget {
    Q_OBJECT
public:
    explicit TableView(QWidget* parent = nullptr);

    void setSections(const QList<TableSection>& sections);
    const QList<TableSection>& sections() const { return m_sections; }
    // nullptr when there is no such row.
    TableCell* cell(int section, int row) const;
    TableCell* cellWithId(int id) const;
    // Marks or unmarks a Checkmark row without rebuilding the rows, so that the list keeps its
    // scroll position and the tapped cell lives on. Nothing when there is no such row.
    void setRowChecked(int section, int row, bool checked);
    // The rows shown now (after the search), in order.
    QList<TableCell*> visibleCells() const;

    // A non-empty placeholder shows the search field.
    void setSearchPlaceholder(const QString& placeholder);
    QLineEdit* searchField() const { return m_search; }
    void setSearchText(const QString& text);

    // Shown instead of the rows when none is listed.
    void setEmptyText(const QString& text);
    QLabel* emptyLabel() const { return m_empty; }

Q_SIGNALS:
    void rowSelected(int section, int row, int id);
    void switchToggled(int id, bool on);
    void textChanged(int id, const QString& text);
    void segmentChanged(int id, int index);
    void sliderChanged(int id, double value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void rebuild();
    void applySearch();
    void wire(TableCell* cell, int section, int row);
    QWidget* makeSection(int sectionIndex);

    QList<TableSection> m_sections;
    QList<QList<TableCell*>> m_cells;
    QList<QWidget*> m_sectionWidgets;
    QScrollArea* m_scroll = nullptr;
    QWidget* m_content = nullptr;
    QVBoxLayout* m_sectionsBox = nullptr;
    QLineEdit* m_search = nullptr;
    QLabel* m_empty = nullptr;
};

}  // namespace korvel
