'''The desktop portal's settings as a desktop in a dark colour scheme gives them.'''
import dbus

BUS_NAME = 'org.freedesktop.portal.Desktop'
MAIN_OBJ = '/org/freedesktop/portal/desktop'
MAIN_IFACE = 'org.freedesktop.portal.Settings'
SYSTEM_BUS = False
# 1: prefers dark.
SETTINGS = {'org.freedesktop.appearance': {'color-scheme': dbus.UInt32(1)}}


def load(mock, _parameters):
    # The call that Qt 6.4 to 6.9 make, which gives the value in a variant of its own; an
    # unknown one is an error.
    mock.AddMethod(MAIN_IFACE, 'Read', 'ss', 'v',
                   lambda _, group, key: dbus.UInt32(SETTINGS[group][key], variant_level=2))
