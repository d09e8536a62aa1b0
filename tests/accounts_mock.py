'''accounts-daemon with the calls that tovalin-child makes, and one account, kid.'''
import dbus  # pylint: disable=unused-import  (the methods' code uses it)

BUS_NAME = 'org.freedesktop.Accounts'
MAIN_OBJ = '/org/freedesktop/Accounts'
MAIN_IFACE = 'org.freedesktop.Accounts'
SYSTEM_BUS = True
USER_IFACE = 'org.freedesktop.Accounts.User'
KID = '/org/freedesktop/Accounts/User1000'


def load(mock, _parameters):
    mock.AddMethod(MAIN_IFACE, 'FindUserByName', 's', 'o',
                   'if args[0] != "kid":\n'
                   '    raise dbus.exceptions.DBusException("no such user",'
                   ' name="org.freedesktop.Accounts.Error.Failed")\n'
                   f'ret = dbus.ObjectPath("{KID}")')
    mock.AddObject(KID, USER_IFACE, {'Session': 'plasma', 'XSession': '', 'SessionType': 'wayland'},
                   [(f'Set{key}', 's', '', f'self.Set("{USER_IFACE}", "{key}", args[0])')
                    for key in ('Session', 'XSession', 'SessionType')])
